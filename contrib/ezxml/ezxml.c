/* The document record, tree queries and freeing. */
#include "ezxml_internal.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* The one attribute list of every element that has no attributes. */
char* ezxml_nil[] = {NULL};

static const char* no_instructions[] = {NULL};

void* ezxml_xmalloc(size_t size)
{
    void* p = malloc(size ? size : 1);
    if (!p) {
        fprintf(stderr, "ezxml: out of memory (%zu bytes)\n", size);
        abort();
    }
    return p;
}

void* ezxml_xrealloc(void* p, size_t size)
{
    void* grown = realloc(p, size ? size : 1);
    if (!grown) {
        fprintf(stderr, "ezxml: out of memory (%zu bytes)\n", size);
        abort();
    }
    return grown;
}

char* ezxml_xstrdup(const char* s)
{
    size_t n = strlen(s) + 1;
    return memcpy(ezxml_xmalloc(n), s, n);
}

void ezxml_reserve(void** items, size_t* cap, size_t need, size_t item_size)
{
    if (need <= *cap)
        return;
    size_t grown = *cap ? *cap * 2 : 8;
    while (grown < need)
        grown *= 2;
    *items = ezxml_xrealloc(*items, grown * item_size);
    *cap = grown;
}

ezxml_root_t ezxml_root_of(ezxml_t xml)
{
    while (xml->parent)
        xml = xml->parent;
    return (ezxml_root_t)xml;
}

void ezxml_set_error(ezxml_root_t root, const char* at, const char* fmt, ...)
{
    int line = 1;
    for (const char* c = root->start; c && c < at; c++)
        line += *c == '\n';
    /* The prefix is short; the message is cut to what remains. */
    int prefix = snprintf(root->err, sizeof root->err, "[error near line %d]: ", line);
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(root->err + prefix, sizeof root->err - (size_t)prefix, fmt, ap);
    va_end(ap);
}

void ezxml_add_entity(ezxml_entities* list, char* name, char* value, int owned)
{
    ezxml_reserve((void**)&list->items, &list->cap, list->count + 1, sizeof *list->items);
    ezxml_entity* e = &list->items[list->count++];
    e->name = name;
    e->value = value;
    e->owned = owned;
}

void ezxml_free_entities(ezxml_entities* list)
{
    for (size_t i = 0; i < list->count; i++) {
        if (list->items[i].owned) {
            free(list->items[i].name);
            free(list->items[i].value);
        }
    }
    free(list->items);
    list->items = NULL;
    list->count = list->cap = 0;
}

const ezxml_entity* ezxml_find_entity(const ezxml_entities* list, const char* text, size_t* index)
{
    for (size_t i = 0; list && i < list->count; i++) {
        const char* name = list->items[i].name;
        if (!strncmp(text, name, strlen(name))) {
            if (index)
                *index = i;
            return &list->items[i];
        }
    }
    return NULL;
}

static int is_xml_declaration_standalone(const char* text)
{
    const char* s = strstr(text, "standalone");
    if (!s)
        return 0;
    s += strlen("standalone");
    s += strspn(s, EZXML_WS);
    if (*s != '=')
        return 0;
    s++;
    s += strspn(s, EZXML_WS);
    if (*s != '"' && *s != '\'')
        return 0;
    return !strncmp(s + 1, "yes", 3);
}

void ezxml_record_pi(ezxml_root_t root, char* text)
{
    char* target = text;
    char* instruction = text + strcspn(text, EZXML_WS);
    if (*instruction) {
        *instruction++ = '\0';
        instruction += strspn(instruction, EZXML_WS);
    }
    if (!strcmp(target, "xml")) {
        if (is_xml_declaration_standalone(instruction))
            root->standalone = 1;
        return;
    }

    ezxml_pilist* pi = NULL;
    for (size_t i = 0; i < root->pi_count && !pi; i++)
        if (!strcmp(root->pis[i].target, target))
            pi = &root->pis[i];
    if (!pi) {
        ezxml_reserve((void**)&root->pis, &root->pi_cap, root->pi_count + 1, sizeof *root->pis);
        pi = &root->pis[root->pi_count++];
        memset(pi, 0, sizeof *pi);
        pi->target = target;
    }
    pi->list = ezxml_xrealloc(pi->list, (pi->count + 2) * sizeof *pi->list);
    pi->marks = ezxml_xrealloc(pi->marks, pi->count + 2);
    pi->list[pi->count] = instruction;
    pi->list[pi->count + 1] = NULL;
    pi->marks[pi->count] = root->xml.name ? '>' : '<';
    pi->marks[pi->count + 1] = '\0';
    pi->count++;
}

const ezxml_attlist* ezxml_find_attlist(ezxml_root_t root, const char* element)
{
    for (size_t i = 0; element && i < root->attlist_count; i++)
        if (!strcmp(root->attlists[i].element, element))
            return &root->attlists[i];
    return NULL;
}

const ezxml_attdef* ezxml_find_attdef(ezxml_root_t root, const char* element, const char* attr)
{
    const ezxml_attlist* list = ezxml_find_attlist(root, element);
    for (size_t i = 0; list && i < list->count; i++)
        if (!strcmp(list->defs[i].name, attr))
            return &list->defs[i];
    return NULL;
}

ezxml_t ezxml_new(const char* name)
{
    static char* const predefined[][2] = {
        {"lt;", "&#60;"}, {"gt;", "&#62;"}, {"quot;", "&#34;"}, {"apos;", "&#39;"}, {"amp;", "&#38;"},
    };
    ezxml_root_t root = ezxml_xmalloc(sizeof *root);
    memset(root, 0, sizeof *root);
    root->xml.name = (char*)name;
    root->xml.attr = ezxml_nil;
    root->xml.txt = "";
    root->expansion_left = EZXML_MAX_EXPANSION;
    for (size_t i = 0; i < sizeof predefined / sizeof predefined[0]; i++)
        ezxml_add_entity(&root->entities, predefined[i][0], predefined[i][1], 0);
    return &root->xml;
}

ezxml_t ezxml_child(ezxml_t xml, const char* name)
{
    xml = (xml && name) ? xml->child : NULL;
    while (xml && strcmp(name, xml->name))
        xml = xml->sibling;
    return xml;
}

ezxml_t ezxml_idx(ezxml_t xml, int idx)
{
    for (; xml && idx; idx--)
        xml = xml->next;
    return xml;
}

const char* ezxml_attr(ezxml_t xml, const char* name)
{
    if (!xml || !xml->attr || !name)
        return NULL;
    for (size_t i = 0; xml->attr[i]; i += 2)
        if (!strcmp(xml->attr[i], name))
            return xml->attr[i + 1];
    const ezxml_attdef* def = ezxml_find_attdef(ezxml_root_of(xml), xml->name, name);
    return def ? def->value : NULL;
}

ezxml_t ezxml_vget(ezxml_t xml, va_list ap)
{
    for (;;) {
        const char* name = va_arg(ap, const char*);
        if (!name || !*name)
            return xml;
        int idx = va_arg(ap, int);
        xml = ezxml_child(xml, name);
        if (idx < 0)
            return xml;
        xml = ezxml_idx(xml, idx);
    }
}

ezxml_t ezxml_get(ezxml_t xml, ...)
{
    va_list ap;
    va_start(ap, xml);
    ezxml_t found = ezxml_vget(xml, ap);
    va_end(ap);
    return found;
}

const char** ezxml_pi(ezxml_t xml, const char* target)
{
    if (!xml || !target)
        return no_instructions;
    ezxml_root_t root = ezxml_root_of(xml);
    for (size_t i = 0; i < root->pi_count; i++)
        if (!strcmp(root->pis[i].target, target))
            return (const char**)root->pis[i].list;
    return no_instructions;
}

const char* ezxml_error(ezxml_t xml)
{
    return xml ? ezxml_root_of(xml)->err : "";
}

static void free_attributes(char** attr)
{
    if (!attr || attr == ezxml_nil)
        return;
    size_t count = 0;
    while (attr[count * 2])
        count++;
    const char* flags = attr[count * 2 + 1];
    for (size_t i = 0; i < count; i++) {
        if (flags[i] & EZXML_NAMEM)
            free(attr[i * 2]);
        if (flags[i] & EZXML_TXTM)
            free(attr[i * 2 + 1]);
    }
    free(attr[count * 2 + 1]);
    free(attr);
}

static void free_element_parts(ezxml_t xml)
{
    free_attributes(xml->attr);
    if (xml->flags & EZXML_TXTM)
        free(xml->txt);
    if (xml->flags & EZXML_NAMEM)
        free(xml->name);
}

/* Frees an element with its children and followers. Rotating each child up
 * into the follower chain keeps this a loop: a document with many siblings or
 * deep nesting never recurses. */
static void free_elements(ezxml_t xml)
{
    while (xml) {
        if (xml->child) {
            ezxml_t child = xml->child;
            xml->child = child->ordered;
            child->ordered = xml;
            xml = child;
        } else {
            ezxml_t following = xml->ordered;
            free_element_parts(xml);
            free(xml);
            xml = following;
        }
    }
}

void ezxml_free(ezxml_t xml)
{
    if (!xml)
        return;
    if (xml->parent) {
        free_elements(xml);
        return;
    }
    ezxml_root_t root = (ezxml_root_t)xml;
    free_elements(xml->child);
    free_element_parts(xml);
    ezxml_free_entities(&root->entities);
    for (size_t i = 0; i < root->attlist_count; i++) {
        ezxml_attlist* list = &root->attlists[i];
        for (size_t j = 0; j < list->count; j++)
            if (list->defs[j].owned)
                free(list->defs[j].value);
        free(list->defs);
    }
    free(root->attlists);
    for (size_t i = 0; i < root->pi_count; i++) {
        free(root->pis[i].list);
        free(root->pis[i].marks);
    }
    free(root->pis);
    free(root->utf16_text);
    free(root);
}
