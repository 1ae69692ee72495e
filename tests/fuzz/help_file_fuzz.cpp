// Feeds arbitrary bytes to the help file reader, as a user may replace or edit the file.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "mainwindow/help_file.h"
#include "support/fake_platform.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\u3000'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace modlatch;
  testing::FakePlatform fake;
  fake.keep_log = false;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<HelpTopic> topics = ReadHelpTopics(bytes, fake);

  // Every byte yields at most one code unit, and a heading line at least three bytes.
  std::size_t units = 0;
  for (const HelpTopic& topic : topics) {
    units += topic.title.size() + topic.body.size();
    Require(topic.title.find(u'\n') == Text::npos);
    // Bodies are trimmed: the window shows no blank lines above or below a topic.
    Require(topic.body.empty() || (!IsBlank(topic.body.back()) && topic.body[0] != u'\n'));
  }
  Require(units <= size);
  Require(topics.size() <= size / 3 + 1);
  // Reading is the same every time: nothing depends on state left by an earlier file.
  const std::vector<HelpTopic> again = ReadHelpTopics(bytes, fake);
  Require(again.size() == topics.size());
  for (std::size_t i = 0; i < topics.size(); ++i) {
    Require(again[i].title == topics[i].title && again[i].body == topics[i].body);
  }
  return 0;
}
