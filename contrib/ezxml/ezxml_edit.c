/* Building and changing trees: same-name chains, insertion, attributes. */
#include "ezxml_internal.h"

#include <stdlib.h>
#include <string.h>

void ezxml_names_append(ezxml_names* names, ezxml_t xml)
{
    xml->next = xml->sibling = NULL;
    /* Searching from the newest name finds runs of one name at once. */
    for (size_t i = names->count; i-- > 0;) {
        struct ezxml_chain* chain = &names->chains[i];
        if (!strcmp(chain->head->name, xml->name)) {
            chain->tail->next = xml;
            chain->tail = xml;
            return;
        }
    }
    ezxml_reserve((void**)&names->chains, &names->cap, names->count + 1, sizeof *names->chains);
    if (names->count)
        names->chains[names->count - 1].head->sibling = xml;
    names->chains[names->count].head = names->chains[names->count].tail = xml;
    names->count++;
}

void ezxml_names_free(ezxml_names* names)
{
    free(names->chains);
    memset(names, 0, sizeof *names);
}

/* Rebuilds the same-name chains of a parent from its children in document
 * order, after a child was inserted or cut. */
static void relink_names(ezxml_t parent)
{
    ezxml_names names = {NULL, 0, 0};
    for (ezxml_t c = parent->child; c; c = c->ordered)
        ezxml_names_append(&names, c);
    ezxml_names_free(&names);
}

ezxml_t ezxml_insert(ezxml_t xml, ezxml_t dest, size_t off)
{
    if (!xml || !dest)
        return xml;
    xml->next = xml->sibling = xml->ordered = NULL;
    xml->off = off;
    xml->parent = dest;
    if (!dest->child || dest->child->off > off) {
        xml->ordered = dest->child;
        dest->child = xml;
    } else {
        ezxml_t c = dest->child;
        while (c->ordered && c->ordered->off <= off)
            c = c->ordered;
        xml->ordered = c->ordered;
        c->ordered = xml;
    }
    relink_names(dest);
    return xml;
}

ezxml_t ezxml_add_child(ezxml_t xml, const char* name, size_t off)
{
    if (!xml)
        return NULL;
    ezxml_t child = ezxml_xmalloc(sizeof *child);
    memset(child, 0, sizeof *child);
    child->name = (char*)name;
    child->attr = ezxml_nil;
    child->txt = "";
    return ezxml_insert(child, xml, off);
}

ezxml_t ezxml_cut(ezxml_t xml)
{
    if (!xml)
        return NULL;
    ezxml_t parent = xml->parent;
    if (parent) {
        if (parent->child == xml) {
            parent->child = xml->ordered;
        } else {
            ezxml_t c = parent->child;
            while (c && c->ordered != xml)
                c = c->ordered;
            if (c)
                c->ordered = xml->ordered;
        }
        relink_names(parent);
    }
    xml->next = xml->sibling = xml->ordered = NULL;
    return xml;
}

ezxml_t ezxml_set_txt(ezxml_t xml, const char* txt)
{
    if (!xml)
        return NULL;
    if (xml->flags & EZXML_TXTM)
        free(xml->txt);
    xml->flags &= ~EZXML_TXTM;
    xml->txt = (char*)txt;
    return xml;
}

ezxml_t ezxml_set_flag(ezxml_t xml, short flag)
{
    if (xml)
        xml->flags |= flag;
    return xml;
}

static size_t count_attributes(char** attr)
{
    size_t count = 0;
    while (attr[count * 2])
        count++;
    return count;
}

static void remove_attribute(ezxml_t xml, size_t index)
{
    size_t count = count_attributes(xml->attr);
    char* flags = xml->attr[count * 2 + 1];
    if (flags[index] & EZXML_NAMEM)
        free(xml->attr[index * 2]);
    if (flags[index] & EZXML_TXTM)
        free(xml->attr[index * 2 + 1]);
    /* Moves the later pairs, the terminator and the flags pointer down. */
    memmove(xml->attr + index * 2, xml->attr + index * 2 + 2, (count * 2 - index * 2) * sizeof *xml->attr);
    memmove(flags + index, flags + index + 1, count - index);
}

static size_t add_attribute(ezxml_t xml, const char* name)
{
    int fresh = xml->attr == ezxml_nil;
    size_t count = fresh ? 0 : count_attributes(xml->attr);
    char* flags = fresh ? NULL : xml->attr[count * 2 + 1];
    char** attr = fresh ? NULL : xml->attr;
    attr = ezxml_xrealloc(attr, (count * 2 + 4) * sizeof *attr);
    flags = ezxml_xrealloc(flags, count + 2);
    int copy = xml->flags & EZXML_DUP;
    attr[count * 2] = copy ? ezxml_xstrdup(name) : (char*)name;
    attr[count * 2 + 1] = "";
    attr[count * 2 + 2] = NULL;
    attr[count * 2 + 3] = flags;
    flags[count] = copy ? EZXML_NAMEM : 0;
    flags[count + 1] = '\0';
    xml->attr = attr;
    return count;
}

ezxml_t ezxml_set_attr(ezxml_t xml, const char* name, const char* value)
{
    if (!xml || !name)
        return xml;
    size_t index = 0;
    while (xml->attr[index * 2] && strcmp(xml->attr[index * 2], name))
        index++;
    if (!xml->attr[index * 2]) {
        if (!value)
            return xml;
        index = add_attribute(xml, name);
    } else if (!value) {
        remove_attribute(xml, index);
        return xml;
    }
    char* flags = xml->attr[count_attributes(xml->attr) * 2 + 1];
    if (flags[index] & EZXML_TXTM)
        free(xml->attr[index * 2 + 1]);
    int copy = xml->flags & EZXML_DUP;
    xml->attr[index * 2 + 1] = copy ? ezxml_xstrdup(value) : (char*)value;
    flags[index] = copy ? (char)(flags[index] | EZXML_TXTM) : (char)(flags[index] & ~EZXML_TXTM);
    return xml;
}
