#include "Helppage.h"

#include <set>

#include "Functionexamples.h"
#include "common/Unicode.h"
#include "modifier/Functionids.h"

namespace tolvane::helpgen {
namespace {

std::string Escaped(std::u16string_view text) {
  std::string html;
  for (const char c : Utf16ToUtf8(text)) {
    switch (c) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      case '\r':
        break;
      default:
        html += c;
    }
  }
  return html;
}

// A clipboard text as lines; the break after the last line is implied by the box.
std::string ClipboardBox(std::u16string_view text) {
  if (text.empty())
    return "<td class=\"empty\">(empty)</td>";
  if (text.ends_with(u"\r\n"))
    text.remove_suffix(2);
  return "<td><pre>" + Escaped(text) + "</pre></td>";
}

std::string_view KindName(modifier::TVarKind kind) {
  switch (kind) {
    case modifier::TVarKind::Character:
      return "one character";
    case modifier::TVarKind::YesNo:
      return "'y' for yes, anything else for no";
    case modifier::TVarKind::Number:
      return "a whole number";
    case modifier::TVarKind::Text:
      break;
  }
  return "text";
}

std::string FunctionSection(const modifier::TFunc& func, const TFunctionExample& example) {
  const std::string name = Escaped(func.Name);
  std::string html = "<section class=\"function\" id=\"" + name + "\">\n<h3>" + name + "</h3>\n";
  html += "<p class=\"call\"><code>" + Escaped(modifier::CallTemplate(func)) + "</code></p>\n";
  html += "<p>" + Escaped(example.Description) + "</p>\n";
  if (!func.Params.empty()) {
    html += "<ul class=\"params\">\n";
    for (const modifier::TVar& param : func.Params)
      html +=
          "<li><code>" + Escaped(param.Caption) + "</code>: " + std::string(KindName(param.Kind)) + "</li>\n";
    html += "</ul>\n";
  }
  html +=
      "<table class=\"example\">\n<tr><th>Script</th><th>Clipboard before</th><th>Clipboard "
      "after</th></tr>\n";
  html += "<tr><td><pre>" + Escaped(example.Script) + "</pre></td>" + ClipboardBox(example.Input) +
          ClipboardBox(example.Result) + "</tr>\n</table>\n</section>\n";
  return html;
}

}  // namespace

std::optional<std::string> FunctionReference(const modifier::TFunctionTable& table, std::string& problem) {
  std::set<std::u16string_view> named;
  std::string index = "<p class=\"index\">";
  std::string sections;
  for (const modifier::TFunc& func : table) {
    if (func.Id == modifier::funcid::Skip || func.Name.empty())
      continue;
    named.insert(func.Name);
    const TFunctionExample* example = nullptr;
    for (const TFunctionExample& candidate : FunctionExamples()) {
      if (candidate.Name == func.Name)
        example = &candidate;
    }
    if (example == nullptr) {
      problem = "no example for " + Utf16ToUtf8(func.Name);
      return std::nullopt;
    }
    index += "<a href=\"#" + Escaped(func.Name) + "\">" + Escaped(func.Name) + "</a> ";
    sections += FunctionSection(func, *example);
  }
  for (const TFunctionExample& example : FunctionExamples()) {
    if (!named.contains(example.Name)) {
      problem = "an example for " + Utf16ToUtf8(example.Name) + ", which is no function";
      return std::nullopt;
    }
  }
  return index + "</p>\n" + sections;
}

std::optional<std::string> DemoSection(const std::vector<TDemoScript>& scripts, std::string& problem) {
  std::string html;
  for (const TDemoScript& script : scripts) {
    const TDemoSample* sample = nullptr;
    for (const TDemoSample& candidate : DemoSamples()) {
      if (candidate.Name == script.Name)
        sample = &candidate;
    }
    if (sample == nullptr) {
      problem = "no sample for the demo script " + Utf16ToUtf8(script.Name);
      return std::nullopt;
    }
    html += "<h4>" + Escaped(script.Name) + "</h4>\n<p>" + Escaped(script.Tip) + "</p>\n";
    html +=
        "<table class=\"example\">\n<tr><th>Script</th><th>Clipboard before</th><th>Clipboard "
        "after</th></tr>\n";
    html += "<tr><td><pre>" + Escaped(script.Script) + "</pre></td>" + ClipboardBox(sample->Input) +
            ClipboardBox(sample->Result) + "</tr>\n</table>\n";
  }
  for (const TDemoSample& sample : DemoSamples()) {
    bool found = false;
    for (const TDemoScript& script : scripts)
      found = found || script.Name == sample.Name;
    if (!found) {
      problem = "a sample for " + Utf16ToUtf8(sample.Name) + ", which is no script of the demo menu";
      return std::nullopt;
    }
  }
  return html;
}

namespace {

bool Replace(std::string& page, std::string_view marker, std::string_view content) {
  const std::size_t at = page.find(marker);
  if (at == std::string::npos)
    return false;
  page.replace(at, marker.size(), content);
  return true;
}

}  // namespace

std::optional<std::string> HelpPage(std::string_view templateText, std::string_view reference,
                                    std::string_view demo) {
  std::string page(templateText);
  if (!Replace(page, ReferenceMarker, reference) || !Replace(page, DemoMarker, demo))
    return std::nullopt;
  return page;
}

}  // namespace tolvane::helpgen
