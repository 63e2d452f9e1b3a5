/* The internal DTD subset: entity and attribute-list declarations. */
#include "ezxml_internal.h"

#include <stdlib.h>
#include <string.h>

/* True when value reaches the entity `name` through references starting with
 * `ref`, directly or through entities already declared. Each entity is
 * visited once, so nested declarations cost no more than their total size. */
static int refers_to(const ezxml_entities* list, const char* name, const char* value, char ref)
{
    char* visited = memset(ezxml_xmalloc(list->count), 0, list->count);
    const char** pending = NULL;
    size_t depth = 0, cap = 0;
    int found = 0;
    for (const char* v = value; v && !found; v = depth ? pending[--depth] : NULL) {
        for (const char* r = strchr(v, ref); r && !found; r = strchr(r + 1, ref)) {
            size_t index;
            if (!strncmp(r + 1, name, strlen(name)))
                found = 1;
            else if (ezxml_find_entity(list, r + 1, &index) && !visited[index]) {
                visited[index] = 1;
                ezxml_reserve((void**)&pending, &cap, depth + 1, sizeof *pending);
                pending[depth++] = list->items[index].value;
            }
        }
    }
    free(pending);
    free(visited);
    return found;
}

/* Skips to behind the '>' that ends a declaration, or to the end. */
static char* after_declaration(char* s)
{
    char* gt = strchr(s, '>');
    return gt ? gt + 1 : s + strlen(s);
}

static char* read_entity(ezxml_root_t root, ezxml_entities* params, char* s)
{
    s += strspn(s, EZXML_WS);
    int parameter = *s == '%';
    if (parameter) {
        s++;
        s += strspn(s, EZXML_WS);
    }
    char* name = s;
    size_t name_len = strcspn(s, EZXML_WS "\"'>");
    s += name_len;
    s += strspn(s, EZXML_WS);
    char quote = *s;
    if (!name_len || (quote != '"' && quote != '\''))
        return after_declaration(s); /* external entities are not read */
    char* close = strchr(s + 1, quote);
    if (!close) {
        ezxml_set_error(root, s, "missing %c", quote);
        return NULL;
    }
    *close = '\0';

    int owned;
    char* value = ezxml_decode(root, s + 1, '%', params, &owned);
    if (!owned)
        value = ezxml_xstrdup(value);
    char* key = ezxml_xmalloc(name_len + 2);
    memcpy(key, name, name_len);
    key[name_len] = ';';
    key[name_len + 1] = '\0';
    ezxml_entities* list = parameter ? params : &root->entities;
    if (refers_to(list, key, value, parameter ? '%' : '&')) {
        key[name_len] = '\0';
        ezxml_set_error(root, name, "circular entity declaration &%s", key);
        free(key);
        free(value);
        return NULL;
    }
    ezxml_add_entity(list, key, value, 1);
    return after_declaration(close + 1);
}

static ezxml_attlist* attlist_for(ezxml_root_t root, char* element)
{
    ezxml_attlist* list = (ezxml_attlist*)ezxml_find_attlist(root, element);
    if (list)
        return list;
    ezxml_reserve((void**)&root->attlists, &root->attlist_cap, root->attlist_count + 1, sizeof *root->attlists);
    list = &root->attlists[root->attlist_count++];
    memset(list, 0, sizeof *list);
    list->element = element;
    return list;
}

static void add_attdef(ezxml_attlist* list, char* name, char* value, char mode, int owned)
{
    ezxml_reserve((void**)&list->defs, &list->cap, list->count + 1, sizeof *list->defs);
    ezxml_attdef* def = &list->defs[list->count++];
    def->name = name;
    def->value = value;
    def->mode = mode;
    def->owned = owned;
}

/* Skips an attribute type and answers its decoding mode, or 0. */
static char read_attribute_type(char** s)
{
    char* t = *s;
    if (!strncmp(t, "NOTATION", 8)) {
        t += 8;
        t += strspn(t, EZXML_WS);
    }
    if (*t == '(') {
        char* close = strchr(t, ')');
        if (!close)
            return 0;
        *s = close + 1;
        return '*';
    }
    size_t n = strcspn(t, EZXML_WS);
    if (!n || !t[n])
        return 0;
    *s = t + n;
    return (n == 5 && !strncmp(t, "CDATA", 5)) ? ' ' : '*';
}

static char* read_attlist(ezxml_root_t root, char* s)
{
    s += strspn(s, EZXML_WS);
    char* element = s;
    s += strcspn(s, EZXML_WS ">");
    if (s == element || !*s) {
        ezxml_set_error(root, element, "unclosed <!ATTLIST");
        return NULL;
    }
    int ended = *s == '>';
    *s++ = '\0';
    if (ended)
        return s;
    ezxml_attlist* list = attlist_for(root, element);
    for (;;) {
        s += strspn(s, EZXML_WS);
        if (*s == '>')
            return s + 1;
        if (!*s) {
            ezxml_set_error(root, s, "unclosed <!ATTLIST");
            return NULL;
        }
        char* name = s;
        s += strcspn(s, EZXML_WS);
        if (!*s)
            break;
        *s++ = '\0';
        s += strspn(s, EZXML_WS);
        char mode = read_attribute_type(&s);
        if (!mode)
            break;
        s += strspn(s, EZXML_WS);
        if (!strncmp(s, "#FIXED", 6)) {
            s += 6;
            s += strspn(s, EZXML_WS);
        }
        if (*s == '#') {
            s += strcspn(s, EZXML_WS ">");
            if (mode != ' ')
                add_attdef(list, name, NULL, mode, 0);
            continue;
        }
        if (*s != '"' && *s != '\'')
            break;
        char* close = strchr(s + 1, *s);
        if (!close)
            break;
        *close = '\0';
        int owned;
        char* value = ezxml_decode(root, s + 1, mode, NULL, &owned);
        add_attdef(list, name, value, mode, owned);
        s = close + 1;
    }
    ezxml_set_error(root, s, "malformed <!ATTLIST");
    return NULL;
}

int ezxml_read_dtd(ezxml_root_t root, char* s)
{
    ezxml_entities params = {NULL, 0, 0};
    while (s) {
        s += strcspn(s, "<%");
        if (!*s)
            break;
        if (!strncmp(s, "<!ENTITY", 8)) {
            s = read_entity(root, &params, s + 8);
        } else if (!strncmp(s, "<!ATTLIST", 9)) {
            s = read_attlist(root, s + 9);
        } else if (!strncmp(s, "<!--", 4)) {
            char* end = strstr(s + 4, "-->");
            s = end ? end + 3 : s + strlen(s);
        } else if (!strncmp(s, "<?", 2)) {
            char* end = strstr(s + 2, "?>");
            if (!end)
                break;
            *end = '\0';
            ezxml_record_pi(root, s + 2);
            s = end + 2;
        } else if (*s == '<') {
            s = after_declaration(s);
        } else if (root->standalone) {
            s++;
        } else {
            break; /* a parameter-entity reference: the rest may depend on it */
        }
    }
    ezxml_free_entities(&params);
    return !root->err[0];
}
