// Debug checks in the class library's spelling. ASSERT aborts in debug builds
// and vanishes in release ones; VERIFY always evaluates its expression.
#pragma once

#include <cassert>
#include <cstdio>

#ifdef NDEBUG
#define ASSERT(expr) ((void)0)
#define VERIFY(expr) ((void)(expr))
#else
#define ASSERT(expr) assert(expr)
#define VERIFY(expr) assert(expr)
#endif

#define ASSERT_VALID(object) ((object)->AssertValid())
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))

// Debug trace output goes to standard error, never into the transcript.
#ifdef NDEBUG
#define TRACE(...) ((void)0)
#else
#define TRACE(...) std::fprintf(stderr, __VA_ARGS__)
#endif
