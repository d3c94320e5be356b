// The main of the GoogleTest executables: the parser's memory is set up as
// the programs set it up, before any document is loaded.
#include <gtest/gtest.h>

#include "files/parser_memory.h"

int main(int argc, char** argv) {
  ruvela::UseParserMemoryPool();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
