// Feeds arbitrary bytes to the help file reader, as a user may replace or edit the file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "mainwindow/help_file.h"
#include "support/fake_platform.h"

namespace {

// Names the broken property in the crash report.
void Require(bool condition, const char* property) {
  if (condition) return;
  std::fprintf(stderr, "help_file_fuzz: %s\n", property);
  std::abort();
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\u3000'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace modlatch;
  testing::FakePlatform fake;
  fake.keep_log = false;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<HelpTopic> topics = ReadHelpTopics(bytes, fake, Language::kJapanese);

  // Every byte yields at most one code unit (the contents' own title aside), and a topic needs a
  // heading line of at least three bytes.
  std::size_t units = 0;
  for (const HelpTopic& topic : topics) {
    units += topic.title.size() + topic.body.size();
    Require(topic.title.find(u'\n') == Text::npos, "a title is one line");
    // Bodies are trimmed: the window shows no blank lines above or below a topic.
    Require(topic.body.empty() || (!IsBlank(topic.body.back()) && topic.body[0] != u'\n'), "bodies are trimmed");
  }
  Require(units <= size + 2, "no more code units than bytes");
  Require(topics.size() <= size / 3 + 1, "no more topics than heading lines");
  // Reading is the same every time: nothing depends on state left by an earlier file.
  const std::vector<HelpTopic> again = ReadHelpTopics(bytes, fake, Language::kJapanese);
  Require(again.size() == topics.size(), "the same topics again");
  for (std::size_t i = 0; i < topics.size(); ++i) {
    Require(again[i].title == topics[i].title && again[i].body == topics[i].body, "the same texts again");
  }
  return 0;
}
