#pragma once

#include <cstdio>
#include <cstdlib>
#include <vector>

// A broken invariant ends the harness like a crash, so the fuzzer keeps the
// input and the replay test fails on it.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);                         \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// Every element under the root, depth first without recursion: markup may nest as deep as it likes.
template <typename Elem, typename Visit> void WalkElements(const Elem& root, Visit visit)
{
    std::vector<Elem> pending;
    if (root.IsValid()) pending.push_back(root);
    while (!pending.empty()) {
        Elem elem = pending.back();
        pending.pop_back();
        visit(elem);
        if (elem.GetSibling().IsValid()) pending.push_back(elem.GetSibling());
        if (elem.GetChild().IsValid()) pending.push_back(elem.GetChild());
    }
}
