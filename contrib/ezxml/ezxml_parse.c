/* The parser: walks the text once, cutting names, values and content apart
 * in place and building the element tree. */
#include "ezxml_internal.h"

#include <stdlib.h>
#include <string.h>

/* One open element: its content so far and its children's chains, so that
 * appending text or a child never walks what is already there. */
typedef struct {
    ezxml_t xml;
    size_t len;  /* bytes of content */
    size_t cap;  /* allocated bytes when the content is owned */
    ezxml_t last_child;
    ezxml_names names;
} frame;

typedef struct {
    ezxml_root_t root;
    char* last;      /* the text's last byte, now its terminator */
    char last_byte;  /* what the terminator replaced */
    frame* frames;
    size_t depth, cap;
} parser;

/* An attribute while its tag is being read. */
typedef struct {
    char* name;
    char* name_end;
    char* value;
} pending_attr;

/* True when `at` closes a construct: a '>', or the terminator when the byte it
 * replaced was one. */
static int closes(const parser* p, const char* at)
{
    return *at == '>' || (at == p->last && p->last_byte == '>');
}

/* Where reading goes on after the closing byte at `at`. */
static char* past(const parser* p, char* at)
{
    return at == p->last ? at : at + 1;
}

/* The first `mark` in s that a closing '>' follows, or null. */
static char* find_closed(const parser* p, char* s, const char* mark)
{
    size_t n = strlen(mark);
    char* end = strstr(s, mark);
    while (end && !closes(p, end + n))
        end = strstr(end + 1, mark);
    return end;
}

static frame* top(parser* p)
{
    return p->depth ? &p->frames[p->depth - 1] : NULL;
}

static void append_content(parser* p, char* text, char mode)
{
    frame* f = top(p);
    if (!f || !*text)
        return;
    int owned;
    char* piece = ezxml_decode(p->root, text, mode, NULL, &owned);
    size_t n = strlen(piece);
    ezxml_t xml = f->xml;
    if (f->len == 0 && !(xml->flags & EZXML_TXTM)) {
        xml->txt = piece;
        f->len = n;
        f->cap = n + 1;
        if (owned)
            xml->flags |= EZXML_TXTM;
        return;
    }
    if (!(xml->flags & EZXML_TXTM)) {
        char* copy = ezxml_xmalloc(f->len + 1);
        memcpy(copy, xml->txt, f->len + 1);
        xml->txt = copy;
        f->cap = f->len + 1;
        xml->flags |= EZXML_TXTM;
    }
    ezxml_reserve((void**)&xml->txt, &f->cap, f->len + n + 1, 1);
    memcpy(xml->txt + f->len, piece, n + 1);
    f->len += n;
    if (owned)
        free(piece);
}

static void open_element(parser* p, char* name, char** attr, int self_closing)
{
    frame* parent = top(p);
    ezxml_t xml = &p->root->xml;
    if (parent) {
        xml = ezxml_xmalloc(sizeof *xml);
        memset(xml, 0, sizeof *xml);
    }
    xml->name = name;
    xml->attr = attr;
    xml->txt = "";
    if (parent) {
        xml->parent = parent->xml;
        xml->off = parent->len;
        if (parent->last_child)
            parent->last_child->ordered = xml;
        else
            parent->xml->child = xml;
        parent->last_child = xml;
        ezxml_names_append(&parent->names, xml);
    }
    if (self_closing)
        return;
    ezxml_reserve((void**)&p->frames, &p->cap, p->depth + 1, sizeof *p->frames);
    frame* f = &p->frames[p->depth++];
    memset(f, 0, sizeof *f);
    f->xml = xml;
}

static void close_element(parser* p)
{
    ezxml_names_free(&top(p)->names);
    p->depth--;
}

static char** make_attributes(parser* p, const char* element, pending_attr* pending, size_t count)
{
    if (!count)
        return ezxml_nil;
    char** attr = ezxml_xmalloc((count * 2 + 2) * sizeof *attr);
    char* flags = ezxml_xmalloc(count + 1);
    for (size_t i = 0; i < count; i++) {
        const ezxml_attdef* def = ezxml_find_attdef(p->root, element, pending[i].name);
        int owned = 0;
        char* value = pending[i].value;
        if (*value)
            value = ezxml_decode(p->root, value, def ? def->mode : ' ', NULL, &owned);
        attr[i * 2] = pending[i].name;
        attr[i * 2 + 1] = value;
        flags[i] = owned ? EZXML_TXTM : 0;
    }
    flags[count] = '\0';
    attr[count * 2] = NULL;
    attr[count * 2 + 1] = flags;
    return attr;
}

static char* start_tag(parser* p, char* name)
{
    if (p->root->xml.name && !p->depth) {
        ezxml_set_error(p->root, name - 1, "markup outside of root element");
        return NULL;
    }
    if (p->depth >= EZXML_MAX_DEPTH) {
        ezxml_set_error(p->root, name - 1, "elements nested deeper than %d levels", EZXML_MAX_DEPTH);
        return NULL;
    }
    char* name_end = name + strcspn(name, EZXML_WS "/>");
    char* s = name_end;
    pending_attr* pending = NULL;
    size_t count = 0, cap = 0;
    for (;;) {
        s += strspn(s, EZXML_WS);
        if (*s == '/' || *s == '>' || !*s)
            break;
        ezxml_reserve((void**)&pending, &cap, count + 1, sizeof *pending);
        pending_attr* a = &pending[count++];
        a->name = s;
        s += strcspn(s, EZXML_WS "=/>");
        a->name_end = s;
        s += strspn(s, EZXML_WS "=");
        a->value = "";
        if (*s == '"' || *s == '\'') {
            char quote = *s;
            char* close = strchr(s + 1, quote);
            if (!close) {
                ezxml_set_error(p->root, s, "missing %c", quote);
                free(pending);
                return NULL;
            }
            a->value = s + 1;
            *close = '\0';
            s = close + 1;
        }
    }
    int self_closing = *s == '/';
    char* gt = self_closing ? s + 1 : s;
    if (!closes(p, gt)) {
        ezxml_set_error(p->root, s, "missing >");
        free(pending);
        return NULL;
    }
    /* Cut names only now: a name may end at the '/' or '>' read above. */
    *name_end = '\0';
    for (size_t i = 0; i < count; i++)
        *pending[i].name_end = '\0';
    char** attr = make_attributes(p, name, pending, count);
    free(pending);
    open_element(p, name, attr, self_closing);
    return past(p, gt);
}

static char* end_tag(parser* p, char* name)
{
    char* name_end = name + strcspn(name, EZXML_WS ">");
    char* gt = name_end + strspn(name_end, EZXML_WS);
    if (!closes(p, gt)) {
        ezxml_set_error(p->root, gt, "missing >");
        return NULL;
    }
    *name_end = '\0';
    frame* f = top(p);
    if (!f || strcmp(name, f->xml->name)) {
        ezxml_set_error(p->root, name, "unexpected closing tag </%s>", name);
        return NULL;
    }
    close_element(p);
    return past(p, gt);
}

static char* comment(parser* p, char* s)
{
    char* end = strstr(s, "--");
    if (!end || !closes(p, end + 2)) {
        ezxml_set_error(p->root, s, "unclosed <!--");
        return NULL;
    }
    return past(p, end + 2);
}

static char* cdata(parser* p, char* s)
{
    char* end = find_closed(p, s, "]]");
    if (!end) {
        ezxml_set_error(p->root, s, "unclosed <![CDATA[");
        return NULL;
    }
    *end = '\0';
    append_content(p, s, 'c');
    return past(p, end + 2);
}

static char* processing_instruction(parser* p, char* s)
{
    char* end = find_closed(p, s, "?");
    if (!end) {
        ezxml_set_error(p->root, s, "unclosed <?");
        return NULL;
    }
    *end = '\0';
    ezxml_record_pi(p->root, s);
    return past(p, end + 1);
}

static char* doctype(parser* p, char* s)
{
    char* t = s + strcspn(s, "[>");
    if (*t != '[') {
        if (!closes(p, t)) {
            ezxml_set_error(p->root, s, "unclosed <!DOCTYPE");
            return NULL;
        }
        return past(p, t);
    }
    char* subset = t + 1;
    char* end = strchr(subset, ']');
    while (end && !closes(p, end + 1 + strspn(end + 1, EZXML_WS)))
        end = strchr(end + 1, ']');
    if (!end) {
        ezxml_set_error(p->root, s, "unclosed <!DOCTYPE");
        return NULL;
    }
    char* gt = end + 1 + strspn(end + 1, EZXML_WS);
    *end = '\0';
    if (!ezxml_read_dtd(p->root, subset))
        return NULL;
    return past(p, gt);
}

static int is_name_start(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || (unsigned char)c >= 0x80;
}

/* Reads the markup whose '<' was at lt; returns where text goes on, or null
 * after an error. */
static char* markup(parser* p, char* lt)
{
    char* s = lt + 1;
    if (is_name_start(*s))
        return start_tag(p, s);
    if (*s == '/')
        return end_tag(p, s + 1);
    if (!strncmp(s, "!--", 3))
        return comment(p, s + 3);
    if (!strncmp(s, "![CDATA[", 8))
        return cdata(p, s + 8);
    if (!strncmp(s, "!DOCTYPE", 8))
        return doctype(p, s + 8);
    if (*s == '?')
        return processing_instruction(p, s + 1);
    ezxml_set_error(p->root, lt, "unexpected <");
    return NULL;
}

static void parse(parser* p, char* s)
{
    char* lt = strchr(s, '<');
    if (!lt) {
        ezxml_set_error(p->root, p->last, "root tag missing");
        return;
    }
    for (;;) {
        char* text = markup(p, lt);
        if (!text)
            return;
        lt = strchr(text, '<');
        if (!lt)
            break;
        *lt = '\0';
        append_content(p, text, '&');
    }
    if (!p->root->xml.name)
        ezxml_set_error(p->root, p->last, "root tag missing");
    else if (p->depth)
        ezxml_set_error(p->root, p->last, "unclosed tag <%s>", top(p)->xml->name);
}

ezxml_t ezxml_parse_str(char* s, size_t len)
{
    ezxml_root_t root = (ezxml_root_t)ezxml_new(NULL);
    if (len && ((unsigned char)s[0] == 0xFE || (unsigned char)s[0] == 0xFF)) {
        root->utf16_text = ezxml_from_utf16(s, len, &len);
        s = root->utf16_text;
    }
    root->start = s;
    if (!len) {
        ezxml_set_error(root, s, "root tag missing");
        return &root->xml;
    }
    parser p = {root, s + len - 1, s[len - 1], NULL, 0, 0};
    s[len - 1] = '\0';
    parse(&p, s);
    while (p.depth)
        close_element(&p);
    free(p.frames);
    return &root->xml;
}
