#include "settings/settings_script_import.h"

#include <cstddef>

#include "app/settings_key.h"
#include "settings/settings_script.h"

namespace cq {

namespace {

constexpr std::string_view kCurrentUserRoots[] = {"HKEY_CURRENT_USER\\", "HKCU\\"};

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  return true;
}

std::vector<std::string_view> splitPath(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t i = 0; i <= path.size(); ++i)
    if (i == path.size() || path[i] == '\\') {
      parts.push_back(path.substr(start, i - start));
      start = i + 1;
    }
  return parts;
}

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

class Parser {
 public:
  Parser(std::string_view text, std::string_view source) : text_(text), source_(source) {}

  std::vector<ScriptKey> run() {
    // A byte-order mark is the one thing an editor may put before the header.
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") text_.remove_prefix(3);
    bool headerSeen = false;
    while (nextLine()) {
      std::string_view line = trimBlanks(line_);
      if (line.empty() || line.front() == ';') continue;
      if (!headerSeen) {
        if (line != kSettingsScriptHeader && line != "REGEDIT4") fail("not a registry script");
        headerSeen = true;
      } else if (line.front() == '[') {
        keyLine(line);
      } else {
        valueLine(line);
      }
    }
    if (!headerSeen) fail("not a registry script");
    return std::move(keys_);
  }

 private:
  bool nextLine() {
    if (pos_ >= text_.size()) return false;
    size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) end = text_.size();
    line_ = text_.substr(pos_, end - pos_);
    if (!line_.empty() && line_.back() == '\r') line_.remove_suffix(1);
    pos_ = end + 1;
    ++lineNumber_;
    return true;
  }

  [[noreturn]] void fail(const std::string& reason) const {
    std::string where = lineNumber_ > 0 ? " (line " + std::to_string(lineNumber_) + ")" : "";
    throw SettingsScriptError("Cannot import " + std::string(source_) + ": " + reason + where);
  }

  void keyLine(std::string_view line) {
    if (line.back() != ']') fail("a key line without its closing bracket");
    std::string_view path = line.substr(1, line.size() - 2);
    if (!path.empty() && path.front() == '-') fail("deleting a key is not supported");
    for (std::string_view root : kCurrentUserRoots)
      if (path.size() > root.size() && equalsIgnoringCase(path.substr(0, root.size()), root)) {
        keys_.push_back({CanonicalKeyPath(path.substr(root.size())), {}});
        return;
      }
    fail("only keys of the current user can be imported");
  }

  // A quoted text with the script's two escapes, \\ and \".
  std::string quoted(std::string_view line, size_t& i) const {
    if (i >= line.size() || line[i] != '"') fail("a value line needs a quoted name and a quoted text");
    std::string out;
    for (++i; i < line.size(); ++i) {
      char c = line[i];
      if (c == '"') {
        ++i;
        return out;
      }
      if (c == '\\') {
        if (i + 1 >= line.size() || (line[i + 1] != '\\' && line[i + 1] != '"')) fail("an unknown escape in a text");
        c = line[++i];
      }
      out += c;
    }
    fail("a text without its closing quote");
  }

  void valueLine(std::string_view line) {
    if (keys_.empty()) fail("a value before the first key");
    size_t i = 0;
    std::string name = quoted(line, i);
    if (i >= line.size() || line[i] != '=') fail("a value line needs '=' after the name");
    ++i;
    if (i >= line.size() || line[i] != '"') fail("only string values can be imported");
    std::string value = quoted(line, i);
    if (i != line.size()) fail("text after the value");
    keys_.back().values.emplace_back(std::move(name), std::move(value));
  }

  std::string_view text_;
  std::string_view source_;
  std::string_view line_;
  size_t pos_ = 0;
  int lineNumber_ = 0;
  std::vector<ScriptKey> keys_;
};

}  // namespace

std::string CanonicalKeyPath(std::string_view path) {
  const auto known = splitPath(kSettingsKey);
  const auto parts = splitPath(path);
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += '\\';
    bool same = i < known.size() && equalsIgnoringCase(parts[i], known[i]);
    out += same ? known[i] : parts[i];
  }
  return out;
}

std::vector<ScriptKey> ParseSettingsScript(std::string_view text, std::string_view source) {
  return Parser(text, source).run();
}

void ImportSettingsScript(std::string_view text, SettingsStore& store, std::string_view source) {
  const std::string prefix = "Cannot import " + std::string(source) + ": ";
  for (const ScriptKey& key : ParseSettingsScript(text, source)) {
    if (!store.createKey(key.path)) throw SettingsScriptError(prefix + "the key " + key.path + " cannot be created");
    for (const auto& [name, value] : key.values)
      if (!store.writeValue(key.path, name, value)) throw SettingsScriptError(prefix + "the value " + name + " cannot be written");
  }
}

}  // namespace cq
