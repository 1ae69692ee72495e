#include "mainwindow/help_file.h"

#include "form/beside_executable.h"
#include "form/texts.h"

namespace modlatch {
namespace {

constexpr char kWinHelpSignature[] = {0x3F, 0x5F, 0x03, 0x00};
constexpr char16_t kHeadingMark[] = u"==";

// Length of the UTF-8 sequence a lead byte starts; 0 for a byte that cannot lead.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Decodes UTF-8; nothing when the bytes are not well-formed UTF-8.
bool DecodeUtf8(const std::string& bytes, Text* out) {
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || i + length > bytes.size()) return false;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      c = (c << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    static const char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return false;
    if (c >= 0x10000) {
      out->push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      out->push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
      out->push_back(static_cast<char16_t>(c));
    }
    i += length;
  }
  return true;
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\u3000'; }

// A heading's title: what follows "==", without the blanks and "=" around it.
Text HeadingTitle(const Text& line) {
  const auto edge = [](char16_t c) { return IsBlank(c) || c == u'='; };
  std::size_t begin = 0, end = line.size();
  while (begin < end && edge(line[begin])) ++begin;
  while (end > begin && edge(line[end - 1])) --end;
  return line.substr(begin, end - begin);
}

// The body without the blank lines around it; inner lines keep their indentation.
Text TrimmedBody(const Text& body) {
  std::size_t begin = 0;
  for (std::size_t line = 0; line < body.size(); ++line) {
    if (body[line] == u'\n') begin = line + 1;
    if (!IsBlank(body[line])) break;
  }
  std::size_t end = body.size();
  while (end > begin && IsBlank(body[end - 1])) --end;
  return body.substr(begin, end - begin);
}

}  // namespace

Text HelpFilePath(AppFiles& files, Language language) {
  return PathBesideExecutable(files, language == Language::kEnglish ? u".en.hlp" : u".hlp");
}

bool IsWinHelpFile(const std::string& bytes) {
  return bytes.compare(0, sizeof kWinHelpSignature, kWinHelpSignature, sizeof kWinHelpSignature) == 0;
}

std::vector<HelpTopic> ReadHelpTopics(const std::string& bytes, AnsiText& ansi, Language language) {
  Text text;
  if (!DecodeUtf8(bytes, &text)) text = ansi.Decode(bytes);
  if (!text.empty() && text[0] == u'\uFEFF') text.erase(0, 1);

  Text contents;
  std::vector<HelpTopic> topics;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u'\n', start);
    if (end == Text::npos) end = text.size();
    Text line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == u'\r') line.pop_back();
    if (line.compare(0, 2, kHeadingMark) == 0) {
      topics.push_back({HeadingTitle(line), Text()});
    } else {
      (topics.empty() ? contents : topics.back().body) += line + u'\n';
    }
  }
  for (HelpTopic& topic : topics) topic.body = TrimmedBody(topic.body);
  contents = TrimmedBody(contents);
  if (!contents.empty()) topics.insert(topics.begin(), HelpTopic{UiText(language, TextId::kHelpContents), contents});
  return topics;
}

}  // namespace modlatch
