#pragma once
#include <string>
#include <vector>

#include "platform/ansi_text.h"
#include "platform/app_files.h"
#include "platform/dialogs.h"

namespace modlatch {

// <executable folder>\<executable base name>.hlp, built anew on each call; the English help
// is <base name>.en.hlp beside it.
Text HelpFilePath(AppFiles& files, Language language);

// A file for the platform's own help viewer: it starts with that format's signature.
bool IsWinHelpFile(const std::string& bytes);

// The topics of a help text, the contents first. A line that begins with "==" starts a topic and
// names it; text before the first such line is the contents. The text is UTF-8, or in the ANSI
// code page when it is not valid UTF-8 (a file saved by an editor that does not write UTF-8).
// Empty when the text holds nothing but blanks. The contents' title is in the given language.
std::vector<HelpTopic> ReadHelpTopics(const std::string& bytes, AnsiText& ansi, Language language);

}  // namespace modlatch
