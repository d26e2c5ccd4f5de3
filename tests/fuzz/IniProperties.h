#pragma once

#include <string>
#include <string_view>

// Reads `bytes` as an ini file and checks what reading and rewriting promise: the rewrite
// reads back as the same document and is stable, the first of repeated keys counts, and
// what a write accepts survives a rewrite. Empty when all holds, else what broke.
std::string IniFault(std::string_view bytes);
