#include "modifier/Clipeditfrm.h"

#include "common/Decimaltext.h"
#include "modifier/Scriptlines.h"

namespace tolvane::modifier {
namespace {

std::u16string ListCaption(std::size_t count) {
  return u"Function List ( " + DecimalText(static_cast<std::int64_t>(count)) + u" ):";
}

std::uint32_t KindColor(TVarKind kind) {
  switch (kind) {
    case TVarKind::Character:
      return rowcolor::Character;
    case TVarKind::YesNo:
      return rowcolor::YesNo;
    case TVarKind::Number:
      return rowcolor::Number;
    case TVarKind::Text:
      return rowcolor::Text;
  }
  return rowcolor::Text;
}

// The line ends with an empty line after the template, ready for the next call.
TLineEdit ReplaceWithTemplate(const TFunc& func, std::size_t line) {
  return {TLineEdit::TKind::ReplaceLine, line, CallTemplate(func) + u"\r\n"};
}

}  // namespace

TFunctionListView FullFunctionList(const TFunctionTable& table) {
  TFunctionListView view;
  for (std::size_t i = 0; i < table.size(); ++i)
    view.Shown.push_back(i);
  view.Caption = ListCaption(table.empty() ? 0 : table.size() - 1);
  return view;
}

TFunctionListView FilterFunctionList(const TFunctionTable& table, platform::ILocale& locale,
                                     std::u16string_view caretLine) {
  if (caretLine.empty())
    return FullFunctionList(table);
  std::u16string part = locale.LowerCase(caretLine);
  if (const std::size_t bracket = part.find(u'('); bracket != std::u16string::npos)
    part.resize(bracket);
  TFunctionListView view;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].LowerName.find(part) != std::u16string::npos)
      view.Shown.push_back(i);
  }
  if (view.Shown.size() == 1)
    view.Selected = 0;
  view.Caption = ListCaption(view.Shown.size());
  return view;
}

std::optional<TLineEdit> InsertFunction(const TFunc& func, platform::ILocale& locale,
                                        const std::vector<std::u16string>& lines, std::size_t caretLine) {
  if (func.Name.empty())
    return std::nullopt;
  if (caretLine >= lines.size()) {
    const bool needsBreak = !lines.empty() && !lines.back().empty();
    return TLineEdit{TLineEdit::TKind::Append, lines.size(),
                     (needsBreak ? u"\r\n" : u"") + CallTemplate(func)};
  }
  const std::u16string typed = locale.LowerCase(lines[caretLine]);
  if (typed.find(u'(') == std::u16string::npos && func.LowerName.find(typed) != std::u16string::npos)
    return ReplaceWithTemplate(func, caretLine);
  return TLineEdit{TLineEdit::TKind::InsertBefore, caretLine, CallTemplate(func) + u"\r\n"};
}

std::optional<TLineEdit> CompleteOnEnter(const TFunctionTable& table, const TFunctionListView& list,
                                         const std::vector<std::u16string>& lines, std::size_t caretLine) {
  if (list.Shown.size() != 1 || caretLine >= lines.size())
    return std::nullopt;
  if (lines[caretLine].find(u')') != std::u16string::npos)
    return std::nullopt;
  const TFunc& func = table[list.Shown.front()];
  if (func.Name.empty())
    return std::nullopt;
  // The key itself makes the line break after the call.
  return TLineEdit{TLineEdit::TKind::ReplaceLine, caretLine, CallTemplate(func)};
}

std::optional<TLineRange> QuotedValueRange(std::u16string_view line, TLineRange selection) {
  if (selection.End <= selection.Start || line.size() <= 8 || selection.Start <= 5 ||
      selection.Start > line.size())
    return std::nullopt;
  std::size_t open = selection.Start;
  while (open > 0) {
    --open;
    if (line[open] == u'(')
      return std::nullopt;
    if (line[open] == u'\'') {
      const std::size_t close = line.find(u'\'', selection.Start);
      if (close == std::u16string_view::npos)
        return std::nullopt;
      return TLineRange{open + 1, close};
    }
  }
  return std::nullopt;
}

std::vector<TRowRun> FunctionRowRuns(const TFunc& func) {
  std::vector<TRowRun> runs;
  if (func.Name.empty())
    return runs;
  runs.push_back({func.Name, std::nullopt});
  if (func.Params.empty()) {
    runs.push_back({u"()", std::nullopt});
    return runs;
  }
  runs.push_back({u"(", std::nullopt});
  for (std::size_t i = 0; i < func.Params.size(); ++i) {
    if (i > 0)
      runs.push_back({u",", rowcolor::Comma});
    runs.push_back({u"'" + func.Params[i].Caption + u"'", KindColor(func.Params[i].Kind)});
  }
  runs.push_back({u")", std::nullopt});
  return runs;
}

std::u16string FunctionHelpAnchor(bool listFocused, const TFunc* selected) {
  if (!listFocused)
    return u"#FunctionsAndScriptingGeneral";
  if (selected == nullptr || selected->Name.empty())
    return u"#TheFunctionList";
  return u"#" + selected->Name;
}

std::vector<std::u16string> EditorLines(std::u16string_view text) {
  std::vector<std::u16string> lines = SplitScriptLines(text);
  if (text.empty() || text.back() == u'\r' || text.back() == u'\n')
    lines.emplace_back();
  return lines;
}

}  // namespace tolvane::modifier
