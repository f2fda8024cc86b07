// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/dialogform.h"

#include "engine/sheet/copies.h"

namespace print::dialogform {

JobOptions defaultJob()
{
    JobOptions job;
    job.layout = LayoutOptions{PerColumnDefault, ColumnCountDefault, false};
    job.heading = std::string(HeadingDefault);
    job.copies = readCopies(CopiesDefault).count;
    job.answerKey = false;
    job.form = FormDefault;
    return job;
}

std::string_view squaresOf(SheetForm form)
{
    constexpr std::string_view Opening = "In colonna, ";
    for (const auto& choice : Form.choices)
        if (choice.option == form && choice.caption.substr(0, Opening.size()) == Opening)
            return choice.caption.substr(Opening.size());
    return {};
}

std::string sheetSummary(int operations, int sheetsPerCopy, int mostSheetsPerCopy)
{
    std::string text =
        std::to_string(operations) + (operations == 1 ? " operazione, " : " operazioni, ");
    if (mostSheetsPerCopy > sheetsPerCopy)
        return text + "da " + std::to_string(sheetsPerCopy) + " a " +
               std::to_string(mostSheetsPerCopy) + " fogli per copia";
    return text + std::to_string(sheetsPerCopy) + (sheetsPerCopy == 1 ? " foglio" : " fogli") +
           " per copia";
}

std::string copiesOutOfRange()
{
    return "Il numero di copie deve essere compreso tra 1 e " + std::to_string(MaxCopies) +
           ".\nCorreggi il numero di copie.";
}

std::string plainCaption(std::string_view caption)
{
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i; // the marked character, or the second '&' of "&&"
        text += caption[i];
    }
    return text;
}

char accessKey(std::string_view caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        const char c = caption[i + 1];
        if (c & 0x80)
            return 0; // not an ASCII character: no key to press for it
        if (c != '&')
            return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
        ++i; // "&&" is a plain '&'
    }
    return 0;
}

} // namespace print::dialogform
