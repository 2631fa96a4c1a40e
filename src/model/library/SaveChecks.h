#pragma once

#include <span>
#include <string>

class TArea;

// The question to ask before writing areas that have no Local Path: the reader takes such a section
// for no area, so they would vanish at the next load or import. Empty when every area has one. The
// action ends the question ("Save", "Export"). Titles are bytes in the ANSI code page, as is the
// question.
std::string NoLocalPathQuestion(std::span<const TArea* const> areas, const std::string& action);

// Why the areas cannot go into an area set: the first whose number lies outside the sections an import
// reads (possible after Add or Duplicate at the top of the range). Empty when all can.
std::string AreaSetNumberError(std::span<const TArea* const> areas);
