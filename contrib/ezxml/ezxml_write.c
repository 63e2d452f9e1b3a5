/* Writes a tree back as XML text. */
#include "ezxml_internal.h"

#include <stdlib.h>
#include <string.h>

typedef struct {
    char* text;
    size_t len, cap;
} buffer;

/* An element being written and how far its content has been written. */
typedef struct {
    ezxml_t xml;
    size_t pos;
} open_element;

static void put(buffer* b, const char* s, size_t n)
{
    ezxml_reserve((void**)&b->text, &b->cap, b->len + n + 1, 1);
    memcpy(b->text + b->len, s, n);
    b->len += n;
    b->text[b->len] = '\0';
}

static void put_str(buffer* b, const char* s)
{
    put(b, s, strlen(s));
}

/* Writes at most n bytes of s, stopping at its end; returns the bytes read. */
static size_t put_escaped(buffer* b, const char* s, size_t n, int attribute)
{
    size_t i = 0;
    for (; i < n && s[i]; i++) {
        switch (s[i]) {
        case '&': put_str(b, "&amp;"); break;
        case '<': put_str(b, "&lt;"); break;
        case '>': put_str(b, "&gt;"); break;
        case '\r': put_str(b, "&#xD;"); break;
        case '"': attribute ? put_str(b, "&quot;") : put(b, s + i, 1); break;
        case '\n': attribute ? put_str(b, "&#xA;") : put(b, s + i, 1); break;
        case '\t': attribute ? put_str(b, "&#x9;") : put(b, s + i, 1); break;
        default: put(b, s + i, 1);
        }
    }
    return i;
}

static void put_attribute(buffer* b, const char* name, const char* value)
{
    put_str(b, " ");
    put_str(b, name);
    put_str(b, "=\"");
    put_escaped(b, value, (size_t)-1, 1);
    put_str(b, "\"");
}

static int has_own_attribute(ezxml_t xml, const char* name, size_t before)
{
    for (size_t i = 0; i < before && xml->attr[i]; i += 2)
        if (!strcmp(xml->attr[i], name))
            return 1;
    return 0;
}

static void put_start_tag(buffer* b, ezxml_root_t root, ezxml_t xml)
{
    put_str(b, "<");
    put_str(b, xml->name);
    size_t own = 0;
    for (; xml->attr[own]; own += 2)
        if (!has_own_attribute(xml, xml->attr[own], own))
            put_attribute(b, xml->attr[own], xml->attr[own + 1]);
    const ezxml_attlist* list = ezxml_find_attlist(root, xml->name);
    for (size_t i = 0; list && i < list->count; i++) {
        const ezxml_attdef* def = &list->defs[i];
        if (def->value && !has_own_attribute(xml, def->name, own)
            && ezxml_find_attdef(root, xml->name, def->name) == def)
            put_attribute(b, def->name, def->value);
    }
    put_str(b, ">");
}

static void put_end_tag(buffer* b, ezxml_t xml)
{
    put_str(b, "</");
    put_str(b, xml->name);
    put_str(b, ">");
}

static void put_instructions(buffer* b, ezxml_root_t root, char mark)
{
    for (size_t i = 0; i < root->pi_count; i++) {
        const ezxml_pilist* pi = &root->pis[i];
        for (size_t j = 0; j < pi->count; j++) {
            if (pi->marks[j] != mark)
                continue;
            if (mark == '>')
                put_str(b, "\n");
            put_str(b, "<?");
            put_str(b, pi->target);
            if (*pi->list[j])
                put_str(b, " ");
            put_str(b, pi->list[j]);
            put_str(b, "?>");
            if (mark == '<')
                put_str(b, "\n");
        }
    }
}

/* Writes the subtree with its text pieces between the children, keeping a
 * stack of open elements instead of recursing. */
static void put_tree(buffer* b, ezxml_root_t root, ezxml_t top)
{
    open_element* stack = NULL;
    size_t depth = 0, cap = 0;
    ezxml_t next = top;
    for (;;) {
        if (next) {
            if (depth) {
                open_element* parent = &stack[depth - 1];
                size_t want = next->off > parent->pos ? next->off - parent->pos : 0;
                parent->pos += put_escaped(b, parent->xml->txt + parent->pos, want, 0);
            }
            put_start_tag(b, root, next);
            ezxml_reserve((void**)&stack, &cap, depth + 1, sizeof *stack);
            stack[depth].xml = next;
            stack[depth].pos = 0;
            depth++;
            next = next->child;
            continue;
        }
        open_element* done = &stack[--depth];
        put_escaped(b, done->xml->txt + done->pos, (size_t)-1, 0);
        put_end_tag(b, done->xml);
        if (!depth)
            break;
        next = done->xml->ordered;
    }
    free(stack);
}

char* ezxml_toxml(ezxml_t xml)
{
    buffer b = {NULL, 0, 0};
    put(&b, "", 0);
    if (!xml || !xml->name)
        return b.text;
    ezxml_root_t root = ezxml_root_of(xml);
    put_instructions(&b, root, '<');
    put_tree(&b, root, xml);
    put_instructions(&b, root, '>');
    return ezxml_xrealloc(b.text, b.len + 1);
}
