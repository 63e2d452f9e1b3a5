/* The general heap: several locked mspaces and a lock-free cache of small
   blocks per thread. Blocks are 16-byte aligned; sizes are 64-bit. */
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A set of mspaces with its own thread caches; null stands for the system pool. */
typedef struct nedpool_t nedpool;

/* nedmallopt options. */
#define NED_M_TRIM_THRESHOLD (-1)
#define NED_M_GRANULARITY (-2)
#define NED_M_MMAP_THRESHOLD (-3)

/* Requests below 16 bytes get 16; a failed request answers null. */
void* nedmalloc(size_t size);
void nedfree(void* mem); /* null is ignored */
void* nedrealloc(void* mem, size_t size); /* null mem allocates */
void* nedcalloc(size_t count, size_t size); /* null when count * size overflows */
void* nedmemalign(size_t alignment, size_t size);
int nedmallopt(int option, int value); /* 1 when the option was set */
int nedmalloc_trim(size_t pad); /* 1 when memory went back to the system */
void nedmalloc_stats(void); /* three lines on stderr */
size_t nedmalloc_footprint(void);
/* Blocks that are freed one by one but come from one region; a null
   `chunks` is allocated and must be freed by the caller. */
void** nedindependent_calloc(size_t count, size_t size, void** chunks);
void** nedindependent_comalloc(size_t count, size_t* sizes, void** chunks);

/* A pool whose first mspace holds `capacity` bytes (0: one default unit)
   and that grows to `threads` mspaces (at most 16; 0 or less: 16). */
nedpool* nedcreatepool(size_t capacity, int threads);
void neddestroypool(nedpool* pool); /* the system pool is never destroyed */
void nedsetvalue(void* value);
void nedpsetvalue(nedpool* pool, void* value);
/* The value of the pool a live block belongs to; the pool into *pool. */
void* nedgetvalue(nedpool** pool, void* mem);
/* Prints the cache's utilisation on stdout, empties and releases the
   calling thread's cache; the thread goes on without one. */
void neddisablethreadcache(nedpool* pool);
size_t nedblksize(void* mem); /* usable bytes of a live block, 0 for null */

void* nedpmalloc(nedpool* pool, size_t size);
void nedpfree(nedpool* pool, void* mem);
void* nedprealloc(nedpool* pool, void* mem, size_t size);
void* nedpcalloc(nedpool* pool, size_t count, size_t size);
void* nedpmemalign(nedpool* pool, size_t alignment, size_t size);
int nedpmallopt(nedpool* pool, int option, int value);
int nedpmalloc_trim(nedpool* pool, size_t pad);
void nedpmalloc_stats(nedpool* pool);
size_t nedpmalloc_footprint(nedpool* pool);
void** nedpindependent_calloc(nedpool* pool, size_t count, size_t size, void** chunks);
void** nedpindependent_comalloc(nedpool* pool, size_t count, size_t* sizes, void** chunks);

#ifdef __cplusplus
}
#endif
