// A temporary folder for the running test, the same in a death test's child as
// in the test itself, so what the child writes lands where the test looks and is
// removed with the rest.
#pragma once
#include <filesystem>
#include <string>

// <temporary base of this run>/<suite>.<test>[suffix], created; the base goes
// when the test program ends.
std::filesystem::path TestFolder(const std::string& suffix = "");
// Another such folder at every call, in a forked child too: for tests that need
// several, or a fresh one for each object they make.
std::filesystem::path FreshTestFolder();
// The whole of a file a test wrote or made the code write; empty when it cannot be read.
std::string ReadTestFile(const std::filesystem::path& path);
