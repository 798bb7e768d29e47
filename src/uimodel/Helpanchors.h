#pragma once
// Every topic of the help page the program opens, in one place, so that a test can hold the page to them.
// The clipboard-modifier editor also opens one topic per function, named like the function ("#Trim").

#include <array>
#include <string_view>

namespace tolvane::uimodel::help {

inline constexpr std::u16string_view QuickTour = u"#QuickTour";
inline constexpr std::u16string_view MainEditor = u"#MainEditor";
inline constexpr std::u16string_view ActionItem = u"#ActionItem";
inline constexpr std::u16string_view WebsiteItem = u"#WebsiteItem";
inline constexpr std::u16string_view MailItem = u"#MailItem";
inline constexpr std::u16string_view MacroItem = u"#MacroItem";
inline constexpr std::u16string_view ClipModifier = u"#ClipModifier";
inline constexpr std::u16string_view MacroComposer = u"#MacroComposer";
inline constexpr std::u16string_view MenuSettings = u"#MenuSettings";
inline constexpr std::u16string_view ProgramSettings = u"#ProgramSettings";
inline constexpr std::u16string_view SearchAll = u"#SearchAll";
inline constexpr std::u16string_view CreateShortcut = u"#CreateShortcut";
// The tours behind the program menu's three walkthrough entries.
inline constexpr std::u16string_view TourMenuAndEditor = u"#VideoMenuAndEditor";
inline constexpr std::u16string_view TourClipsAndMacros = u"#VideoClipsAndMacros";
inline constexpr std::u16string_view TourClipboardModifiers = u"#VideoClipboardModifiers";
// The modifier editor's topics for its script area and for the function list without a selection.
inline constexpr std::u16string_view ScriptingGeneral = u"#FunctionsAndScriptingGeneral";
inline constexpr std::u16string_view FunctionList = u"#TheFunctionList";

inline constexpr std::array All = {
    QuickTour,        MainEditor,     ActionItem,        WebsiteItem,        MailItem,
    MacroItem,        ClipModifier,   MacroComposer,     MenuSettings,       ProgramSettings,
    SearchAll,        CreateShortcut, TourMenuAndEditor, TourClipsAndMacros, TourClipboardModifiers,
    ScriptingGeneral, FunctionList};

}  // namespace tolvane::uimodel::help
