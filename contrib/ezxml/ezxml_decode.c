/* Decoding of text and attribute values, and UTF-16 input. */
#include "ezxml_internal.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* Highest code point; references above it or to surrogates stay as text. */
#define MAX_CODE_POINT 0x10FFFFUL

/* The decoded text: written over the input while it can only shrink, moved
 * to an allocation once an entity value is inserted. */
typedef struct {
    char* text;
    size_t len, cap;
    int heap;
} output;

/* The input being read: the text itself, or an entity value inserted into it
 * with the places to return to. */
typedef struct {
    const char** returns;
    size_t depth, cap;
} input_stack;

static void put(output* out, char c)
{
    if (out->heap && out->len + 1 >= out->cap) {
        out->cap *= 2;
        out->text = ezxml_xrealloc(out->text, out->cap);
    }
    out->text[out->len++] = c;
}

static void move_to_heap(output* out, size_t at_least)
{
    if (out->heap)
        return;
    out->cap = out->len + at_least + 64;
    char* text = ezxml_xmalloc(out->cap);
    memcpy(text, out->text, out->len);
    out->text = text;
    out->heap = 1;
}

static size_t encode_utf8(unsigned long c, char* bytes)
{
    if (c < 0x80) {
        bytes[0] = (char)c;
        return 1;
    }
    size_t continuation = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    static const unsigned char lead[] = {0, 0xC0, 0xE0, 0xF0};
    bytes[0] = (char)(lead[continuation] | (c >> (6 * continuation)));
    for (size_t i = 1; i <= continuation; i++)
        bytes[i] = (char)(0x80 | ((c >> (6 * (continuation - i))) & 0x3F));
    return continuation + 1;
}

/* Reads "&#N;" or "&#xH;" at s; 0 when it is no valid reference. */
static int read_char_ref(const char* s, unsigned long* code, const char** after)
{
    const char* p = s + 2;
    int base = 10;
    if (*p == 'x') {
        base = 16;
        p++;
    }
    unsigned long value = 0;
    const char* digits = p;
    for (;; p++) {
        int digit;
        if (*p >= '0' && *p <= '9')
            digit = *p - '0';
        else if (base == 16 && *p >= 'a' && *p <= 'f')
            digit = *p - 'a' + 10;
        else if (base == 16 && *p >= 'A' && *p <= 'F')
            digit = *p - 'A' + 10;
        else
            break;
        /* Saturates above the last code point, so long digit runs cannot wrap. */
        value = value > MAX_CODE_POINT ? value : value * base + digit;
    }
    if (p == digits || *p != ';' || value == 0 || value > MAX_CODE_POINT
        || (value >= 0xD800 && value < 0xE000))
        return 0;
    *code = value;
    *after = p + 1;
    return 1;
}

static void collapse_spaces(output* out)
{
    size_t w = 0;
    for (size_t r = 0; r < out->len; r++) {
        if (out->text[r] == ' ' && (w == 0 || out->text[w - 1] == ' '))
            continue;
        out->text[w++] = out->text[r];
    }
    if (w > 0 && out->text[w - 1] == ' ')
        w--;
    out->len = w;
}

char* ezxml_decode(ezxml_root_t root, char* s, char mode, const ezxml_entities* params, int* owned)
{
    output out = {s, 0, 0, 0};
    input_stack stack = {NULL, 0, 0};
    const ezxml_entities* entities = mode == '%' ? params : &root->entities;
    char ref = mode == '%' ? '%' : (mode == 'c' ? '\0' : '&');
    const char* r = s;

    for (;;) {
        char c = *r;
        if (!c) {
            if (!stack.depth)
                break;
            r = stack.returns[--stack.depth];
            continue;
        }
        if (c == '\r') {
            put(&out, (mode == ' ' || mode == '*') ? ' ' : '\n');
            r += r[1] == '\n' ? 2 : 1;
            continue;
        }
        unsigned long code;
        const char* after;
        if (mode != 'c' && c == '&' && r[1] == '#' && read_char_ref(r, &code, &after)) {
            char bytes[4];
            size_t n = encode_utf8(code, bytes);
            for (size_t i = 0; i < n; i++)
                put(&out, bytes[i]);
            r = after;
            continue;
        }
        const ezxml_entity* entity = (ref && c == ref) ? ezxml_find_entity(entities, r + 1, NULL) : NULL;
        if (entity) {
            size_t cost = strlen(entity->value) + 1;
            if (cost > root->expansion_left) {
                if (root->expansion_left != 0)
                    fprintf(stderr, "ezxml: entity expansion limit reached; further references stay as written\n");
                root->expansion_left = 0;
            } else {
                root->expansion_left -= cost;
                move_to_heap(&out, cost);
                ezxml_reserve((void**)&stack.returns, &stack.cap, stack.depth + 1, sizeof *stack.returns);
                stack.returns[stack.depth++] = r + 1 + strlen(entity->name);
                r = entity->value;
                continue;
            }
        }
        if ((mode == ' ' || mode == '*') && ezxml_is_ws(c))
            c = ' ';
        put(&out, c);
        r++;
    }
    free(stack.returns);
    if (mode == '*')
        collapse_spaces(&out);
    if (out.heap)
        put(&out, '\0');
    else
        out.text[out.len] = '\0';
    *owned = out.heap;
    return out.text;
}

char* ezxml_from_utf16(const char* s, size_t len, size_t* out_len)
{
    int big_endian = (unsigned char)s[0] == 0xFE;
    size_t units = len / 2;
    /* Each unit makes at most 3 bytes, a surrogate pair 4 for two units. */
    char* text = ezxml_xmalloc(units * 3 + 1);
    size_t n = 0;
    for (size_t i = 1; i < units; i++) {
        const unsigned char* b = (const unsigned char*)s + 2 * i;
        unsigned long c = big_endian ? (unsigned long)(b[0] << 8 | b[1]) : (unsigned long)(b[1] << 8 | b[0]);
        if (c >= 0xD800 && c < 0xE000) {
            if (i + 1 >= units)
                break;
            b += 2;
            unsigned long low = big_endian ? (unsigned long)(b[0] << 8 | b[1]) : (unsigned long)(b[1] << 8 | b[0]);
            c = (((c & 0x3FF) << 10) | (low & 0x3FF)) + 0x10000;
            i++;
        }
        n += encode_utf8(c, text + n);
    }
    text[n] = '\0';
    *out_len = n;
    return text;
}
