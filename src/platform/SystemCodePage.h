#pragma once

#include "model/format/CodePage.h"

// The system's ANSI code page on Windows, windows-1252 elsewhere.
class TSystemCodePage : public TCodePage {
public:
    TSystemCodePage();

    const std::array<char16_t, 256>& Characters() const override { return FCharacters; }
    std::string Encode(std::u16string_view text) const override;
    std::pair<std::u16string, std::u16string> Split(std::u16string_view text) const override;
    const std::array<unsigned char, 256>& LetterCase() const override;

private:
    std::array<char16_t, 256> FCharacters;
};
