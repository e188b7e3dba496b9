#pragma once

#include <string>
#include <string_view>
#include <vector>

// How a fuzz target reports a finding: it prints what differs, with every byte readable, and
// aborts, so that the fuzzer keeps the input that led there.
namespace fuzz {

// The bytes with every one outside printable ASCII written as \xNN.
std::string Escaped(std::string_view bytes);

[[noreturn]] void Fail(std::string_view what, std::string_view detail = {});

void CheckEqual(std::string_view what, std::string_view actual, std::string_view expected);
void CheckEqual(std::string_view what, const std::vector<std::string>& actual,
                const std::vector<std::string>& expected);
void CheckEqual(std::string_view what, bool actual, bool expected);

} // namespace fuzz
