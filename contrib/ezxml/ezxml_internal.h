/* The document root record and the helpers the parser's source files share. */
#ifndef EZXML_INTERNAL_H
#define EZXML_INTERNAL_H

#include "ezxml.h"

/* Bytes that entity references may add to one document in total. Entities
 * expand entities, so a few nested declarations can ask for gigabytes; past
 * this budget references stay as written. */
#define EZXML_MAX_EXPANSION ((size_t)8 << 20)

/* Elements nested deeper than this make the document an error: far deeper
 * than any document the game reads, and shallow enough for the walks over
 * the tree that recurse. */
#define EZXML_MAX_DEPTH 256
#define EZXML_WS "\t\r\n "
#define EZXML_ERRLEN 128

typedef struct {
    char* name;  /* stored with its trailing ';' */
    char* value;
    int owned;   /* name and value were allocated for this entry */
} ezxml_entity;

typedef struct {
    ezxml_entity* items;
    size_t count, cap;
} ezxml_entities;

typedef struct {
    char* name;
    char* value; /* null for an attribute declared without a default */
    char mode;   /* ' ' for CDATA, '*' for types whose spaces collapse */
    int owned;   /* value was allocated */
} ezxml_attdef;

typedef struct {
    char* element;
    ezxml_attdef* defs;
    size_t count, cap;
} ezxml_attlist;

typedef struct {
    char* target;
    char** list;  /* instructions, null-terminated */
    char* marks;  /* '<' before the root element, '>' after, one per instruction */
    size_t count;
} ezxml_pilist;

typedef struct ezxml_root {
    struct ezxml xml; /* the root element; must come first */
    char* utf16_text; /* the converted text when the input was UTF-16 */
    char* start;      /* the work area, for error line numbers */
    ezxml_entities entities;
    ezxml_attlist* attlists;
    size_t attlist_count, attlist_cap;
    ezxml_pilist* pis;
    size_t pi_count, pi_cap;
    size_t expansion_left;
    short standalone;
    char err[EZXML_ERRLEN];
} * ezxml_root_t;

/* Heads and tails of the same-name chains among one parent's children. */
typedef struct {
    struct ezxml_chain {
        ezxml_t head, tail;
    } * chains;
    size_t count, cap;
} ezxml_names;

extern char* ezxml_nil[];

void* ezxml_xmalloc(size_t size);
void* ezxml_xrealloc(void* p, size_t size);
char* ezxml_xstrdup(const char* s);
/* Grows an array so that it holds at least need items. */
void ezxml_reserve(void** items, size_t* cap, size_t need, size_t item_size);

static inline int ezxml_is_ws(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

ezxml_root_t ezxml_root_of(ezxml_t xml);
/* Records the first error, with the line of `at` in the work area. */
void ezxml_set_error(ezxml_root_t root, const char* at, const char* fmt, ...);
/* Records a processing instruction whose text (target, space, instruction)
 * is terminated in place. */
void ezxml_record_pi(ezxml_root_t root, char* text);
const ezxml_attdef* ezxml_find_attdef(ezxml_root_t root, const char* element, const char* attr);
const ezxml_attlist* ezxml_find_attlist(ezxml_root_t root, const char* element);
void ezxml_add_entity(ezxml_entities* list, char* name, char* value, int owned);
void ezxml_free_entities(ezxml_entities* list);

/* Decodes a terminated text: line ends, character references, entity
 * references and, by mode, white space ('&' content, ' ' and '*' attribute
 * values, '%' entity values with `params`, 'c' CDATA). Returns s, rewritten
 * in place, or a new allocation (*owned set) when entities made it longer. */
char* ezxml_decode(ezxml_root_t root, char* s, char mode, const ezxml_entities* params, int* owned);
/* Converts UTF-16 with a byte-order mark to a new terminated UTF-8 buffer. */
char* ezxml_from_utf16(const char* s, size_t len, size_t* out_len);
/* The first entity of the list whose name the text begins with. */
const ezxml_entity* ezxml_find_entity(const ezxml_entities* list, const char* text, size_t* index);

/* Reads an internal DTD subset; 0 when it ended the parse with an error. */
int ezxml_read_dtd(ezxml_root_t root, char* s);

void ezxml_names_append(ezxml_names* names, ezxml_t xml);
void ezxml_names_free(ezxml_names* names);

#endif
