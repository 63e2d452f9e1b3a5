/* A small non-validating XML parser that builds an element tree in place over
 * a writable text buffer, plus the writer and editing operations on that tree. */
#ifndef EZXML_H
#define EZXML_H

#include <stdarg.h>
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#define EZXML_NAMEM 0x80 /* the name is allocated and owned */
#define EZXML_TXTM 0x40  /* the content is allocated and owned */
#define EZXML_DUP 0x20   /* names and values given to ezxml_set_attr are copied */

typedef struct ezxml* ezxml_t;

struct ezxml {
    char* name;    /* element name */
    char** attr;   /* name, value, name, value, ..., NULL, then a string of one flag byte per attribute */
    char* txt;     /* character content, "" when there is none */
    size_t off;    /* length of the parent's content when this element was opened */
    ezxml_t next;    /* next child of the same parent with the same name */
    ezxml_t sibling; /* first child of the next distinct name */
    ezxml_t ordered; /* next child of the same parent in document order */
    ezxml_t child;   /* first child in document order */
    ezxml_t parent;  /* null for the document's root element */
    short flags;
};

/* Parses len bytes of s in place; s must stay alive as long as the tree. The
 * tree comes back also on error: test ezxml_error and free it either way. */
ezxml_t ezxml_parse_str(char* s, size_t len);

/* The first child named name, or null. */
ezxml_t ezxml_child(ezxml_t xml, const char* name);
/* The n-th element (from 0) of the same-name chain starting at xml, or null. */
ezxml_t ezxml_idx(ezxml_t xml, int idx);
/* The value of an attribute, falling back to a default declared in the
 * document's internal DTD; null when neither exists. */
const char* ezxml_attr(ezxml_t xml, const char* name);
/* Follows a path of child names, each with an index into its same-name
 * chain, ended by "" or null; a negative index ends at the first match. */
ezxml_t ezxml_get(ezxml_t xml, ...);
ezxml_t ezxml_vget(ezxml_t xml, va_list ap);
/* The null-terminated list of processing instructions of a target. */
const char** ezxml_pi(ezxml_t xml, const char* target);
/* The document's error text, "" when it parsed. */
const char* ezxml_error(ezxml_t xml);
/* Frees xml, its children and the elements that follow it; at a document's
 * root, everything the parser allocated. Never the caller's text buffer. */
void ezxml_free(ezxml_t xml);

/* The subtree as newly allocated XML text (the caller frees it). */
char* ezxml_toxml(ezxml_t xml);

/* A new document whose root element has the given name. */
ezxml_t ezxml_new(const char* name);
ezxml_t ezxml_add_child(ezxml_t xml, const char* name, size_t off);
ezxml_t ezxml_insert(ezxml_t xml, ezxml_t dest, size_t off);
ezxml_t ezxml_set_txt(ezxml_t xml, const char* txt);
/* Adds, replaces or, with a null value, removes an attribute. */
ezxml_t ezxml_set_attr(ezxml_t xml, const char* name, const char* value);
ezxml_t ezxml_set_flag(ezxml_t xml, short flag);
/* Unlinks xml from its parent's chains; the caller frees it. */
ezxml_t ezxml_cut(ezxml_t xml);

#ifdef __cplusplus
}
#endif

#endif
