#pragma once

#include <span>
#include <string>

class TArea;

// The question to ask before saving areas that have no Local Path: the reader takes such a section
// for no area, so they would vanish at the next load. Empty when every area has one. Titles are bytes
// in the ANSI code page, as is the question.
std::string NoLocalPathQuestion(std::span<const TArea* const> areas);
