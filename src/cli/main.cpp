#include <iostream>

#include "cli/text_tool.h"

int main(int argc, char** argv) { return plumex::RunTextTool(argc, argv, std::cin, std::cout, std::cerr); }
