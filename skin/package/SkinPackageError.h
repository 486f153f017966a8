// Errors of the skin package library. A package outside the container format is
// refused with SkinPackageError; nothing is read or written out of bounds first.
#pragma once

#include <stdexcept>
#include <string>

namespace zuno::skin {

// A package, archive or definition that the format does not allow (truncated
// header fields, more than 1,001 names, sizes running past the end, negative
// sizes, an archive size the compressed bytes cannot produce). Also thrown by the
// archive writer for members it cannot store.
class SkinPackageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decoder table allocation failures, with the original messages
// ("LZH : Cannot get memory for dictionary tables").
class ElzhException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace zuno::skin
