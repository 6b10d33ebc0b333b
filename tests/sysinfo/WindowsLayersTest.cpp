#include "StartError.h"
#include "WindowsFileProbe.h"
#include "WindowsProgramStarter.h"

#include <gtest/gtest.h>
#include <string>

namespace skarvel::test {
namespace {

using namespace std::string_literals;

// A system program that ends at once: what a path cut short at a zero byte would run.
const std::string present = "C:\\windows\\system32\\hostname.exe";

struct Refusal {
    const char* name;
    std::string path;
};

class WindowsLayersRefuse : public testing::TestWithParam<Refusal> {};

// Neither the file test nor the starter may act on another path than the one given.
TEST_P(WindowsLayersRefuse, WhatTheyCannotHandOverExactly) {
    ASSERT_TRUE(WindowsFileProbe().isOrdinaryFile(present));
    EXPECT_FALSE(WindowsFileProbe().isOrdinaryFile(GetParam().path));
    EXPECT_THROW(WindowsProgramStarter().start(GetParam().path), StartError);
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowsLayersRefuse,
                         testing::Values(Refusal{"EmptyPath", ""},
                                         Refusal{"ZeroByte", present + "\0x"s},
                                         Refusal{"Quote", present + "\""}),
                         [](const testing::TestParamInfo<Refusal>& param) {
                             return std::string(param.param.name);
                         });

TEST(WindowsProgramStarter, RefusesArgumentsAsNothingPassesAny) {
    EXPECT_THROW(WindowsProgramStarter().start({present, {"/?"}}), StartError);
}

} // namespace
} // namespace skarvel::test
