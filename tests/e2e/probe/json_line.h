// Builds one JSON object per line for the end-to-end harness to parse.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace probe {

inline std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

inline std::string Quote(const std::string& utf8) {
  std::string out = "\"";
  for (const unsigned char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

inline std::string Quote(const std::wstring& text) { return Quote(Utf8(text)); }

class Json {
 public:
  Json& Raw(const char* key, const std::string& value) {
    body_ += (body_.empty() ? "" : ",") + Quote(std::string(key)) + ":" + value;
    return *this;
  }
  Json& Str(const char* key, const std::wstring& value) { return Raw(key, Quote(value)); }
  Json& Str(const char* key, const char* value) { return Raw(key, Quote(std::string(value))); }
  Json& Int(const char* key, long long value) { return Raw(key, std::to_string(value)); }
  Json& Bool(const char* key, bool value) { return Raw(key, value ? "true" : "false"); }
  Json& Handle(const char* key, const void* h) {
    return Int(key, static_cast<long long>(reinterpret_cast<std::uintptr_t>(h)));
  }
  Json& Rect(const char* key, const RECT& r) {
    return Raw(key, Json()
                        .Int("x", r.left)
                        .Int("y", r.top)
                        .Int("w", r.right - r.left)
                        .Int("h", r.bottom - r.top)
                        .Text());
  }
  std::string Text() const { return "{" + body_ + "}"; }
  void Print() const {
    std::fputs((Text() + "\n").c_str(), stdout);
    std::fflush(stdout);
  }

 private:
  std::string body_;
};

inline std::string Array(const std::string& joinedItems) { return "[" + joinedItems + "]"; }

}  // namespace probe
