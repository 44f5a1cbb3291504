#pragma once
// Reading a result that may hold an error, without ever reading what is not
// there: a test that meets the other kind of result fails with a message.
#include <gtest/gtest.h>

#include <expected>

namespace tarvel::prueba {

// The error of a result that must be one; a success fails the test and gives E{}.
template <class T, class E>
E ErrorDe(const std::expected<T, E>& resultado) {
    EXPECT_FALSE(resultado.has_value()) << "a failure was expected";
    return resultado ? E{} : resultado.error();
}

}  // namespace tarvel::prueba
