#include "uimodel/Editpanel.h"

#include <algorithm>

#include "common/Decimaltext.h"
#include "storage/Pathnames.h"
#include "uimodel/Helpanchors.h"
#include "uimodel/Treeedit.h"

namespace tolvane::uimodel {

using storage::TItem;

namespace {

bool IsBarLevel(int level) {
  return level < 2;
}

// Sets the flag for the lifetime of the scope, also when the view throws.
class TFlagScope {
 public:
  explicit TFlagScope(bool& flag) : Flag(flag) { Flag = true; }
  ~TFlagScope() { Flag = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& Flag;
};

class TDepthScope {
 public:
  explicit TDepthScope(int& depth) : Depth(depth) { ++Depth; }
  ~TDepthScope() { --Depth; }
  TDepthScope(const TDepthScope&) = delete;
  TDepthScope& operator=(const TDepthScope&) = delete;

 private:
  int& Depth;
};

bool IsProgramFile(std::u16string_view path) {
  return storage::EndsWithIgnoringCase(storage::ExtractFileName(path), u".exe");
}

void AppendQuoted(std::u16string& params, std::u16string_view path) {
  if (!params.empty() && params.back() != u' ')
    params += u' ';
  params += u'"';
  params += path;
  params += u'"';
}

}  // namespace

int TypeListIndex(int itemType) {
  for (std::size_t i = 0; i < TypeList.size(); ++i) {
    if (TypeList[i].ItemType == itemType)
      return static_cast<int>(i);
  }
  return 0;
}

int ItemTypeOfListIndex(int index) {
  if (index < 0 || index >= static_cast<int>(TypeList.size()))
    return storage::ItemTypeClip;
  return TypeList[static_cast<std::size_t>(index)].ItemType;
}

TPanelLayout PanelLayoutFor(int itemType, int level) {
  using enum TEditPart;
  const int type = IsBarLevel(level) ? storage::ItemTypeFolder : ItemTypeOfListIndex(TypeListIndex(itemType));
  switch (type) {
    case storage::ItemTypeProgram:
      return {{Program, Hint}, u"", false};
    case storage::ItemTypeWebSite:
      return {{Web, Hint}, u"", false};
    case storage::ItemTypeMail:
      return {{Mail, Code}, u"Mail Body:", false};
    case storage::ItemTypeKeyMacro:
      return {{Macro, Hint, Code}, u"Multiline Macro View", false};
    case storage::ItemTypeClipModifier:
      return {{Hint, Code}, u"Clipboard Modifier Code:", true};
    default:
      return {{Hint, Code}, u"Clipboard Contents:", false};
  }
}

TLayoutKey LayoutKeyOf(int itemType, int level) {
  return {TypeListIndex(itemType), IsBarLevel(level)};
}

TPanelEnabled PanelEnabledFor(int itemType, int level) {
  const bool popupLevel = !IsBarLevel(level);
  return {popupLevel, popupLevel && itemType != storage::ItemTypeFolder};
}

std::u16string_view HelpAnchorFor(int itemType) {
  switch (itemType) {
    case storage::ItemTypeProgram:
      return help::ActionItem;
    case storage::ItemTypeWebSite:
      return help::WebsiteItem;
    case storage::ItemTypeMail:
      return help::MailItem;
    case storage::ItemTypeKeyMacro:
      return help::MacroItem;
    case storage::ItemTypeClipModifier:
      return help::ClipModifier;
    default:
      return help::MainEditor;
  }
}

storage::TFontFacts CodeAreaFont(bool monoSpace, const storage::TSettings& settings) {
  if (monoSpace)
    return {settings.CodeFixedFontName, settings.CodeFixedFontSize, settings.CodeFixedFontBold};
  return {settings.CodeFontName, settings.CodeFontSize, settings.CodeFontBold};
}

TRepeatInput ReadRepeatInput(std::u16string_view typed) {
  TRepeatInput input;
  for (char16_t c : typed) {
    if (c >= u'0' && c <= u'9' && input.Shown.size() < RepeatDigits)
      input.Shown += c;
  }
  int count = 0;
  for (char16_t c : input.Shown)
    count = count * 10 + (c - u'0');
  // A macro run no times would read back as one anyway.
  input.Count = std::max(count, 1);
  return input;
}

bool AcceptsFileDrop(int itemType, int level) {
  if (IsBarLevel(level))
    return false;
  return itemType == storage::ItemTypeClip || itemType == storage::ItemTypeFolderClip ||
         itemType == storage::ItemTypeProgram || itemType == storage::ItemTypeWebSite;
}

bool ApplyDroppedFiles(int itemType, const std::vector<std::u16string>& paths, bool ctrlHeld,
                       TDropFields& fields) {
  if (paths.empty())
    return false;
  switch (itemType) {
    case storage::ItemTypeClip:
    case storage::ItemTypeFolderClip: {
      std::u16string lines;
      for (const std::u16string& path : paths)
        lines += path + u"\r\n";
      if (ctrlHeld)
        fields.CodeArea += lines;
      else
        fields.CodeArea = std::move(lines);
      return true;
    }
    case storage::ItemTypeProgram: {
      const auto program = std::find_if(paths.begin(), paths.end(), IsProgramFile);
      if (program != paths.end())
        fields.Program = *program;
      for (auto path = paths.begin(); path != paths.end(); ++path) {
        if (path != program)
          AppendQuoted(fields.Params, *path);
      }
      return true;
    }
    case storage::ItemTypeWebSite:
      fields.Website = paths.front();
      return true;
    default:
      return false;
  }
}

std::u16string ModifierComposerText(const TItem& item) {
  return item.XClip + u"\r\n";
}

std::u16string ModifierCodeFromComposer(std::u16string_view text) {
  const auto kept = [](char16_t c) { return c > u' '; };
  const auto first = std::find_if(text.begin(), text.end(), kept);
  const auto last = std::find_if(text.rbegin(), text.rend(), kept).base();
  return first < last ? std::u16string(first, last) : std::u16string();
}

TPanelFields PanelFieldsOf(const TItem& item) {
  TPanelFields fields;
  fields.Caption = item.Name;
  fields.TypeIndex = TypeListIndex(item.ItemType);
  fields.FocusCaption = item.Name == NewItemCaption;
  if (IsBarLevel(item.Level))
    return fields;
  fields.MailTo = item.Email;
  fields.MailCc = item.Cc;
  fields.MailBcc = item.Bcc;
  fields.MailSubject = item.Subject;
  fields.Program = item.Program;
  fields.Params = item.QParams;
  fields.Website = item.Url;
  fields.Hint = item.Tip;
  fields.MonoSpace = item.MonoSpace;
  switch (item.ItemType) {
    case storage::ItemTypeKeyMacro:
      fields.CodeArea = item.GetMacroLines();
      fields.Macro = item.KeyMacro;
      fields.Repeat = DecimalText(item.RepeatCount);
      fields.NewLineHome = item.NewLineHome;
      break;
    case storage::ItemTypeClipModifier:
      fields.CodeArea = item.XClip;
      break;
    case storage::ItemTypeWebSite:
      fields.Browser = item.WebBrowser;
      fields.CodeArea = item.Code;
      break;
    default:
      fields.CodeArea = item.Code;
      break;
  }
  return fields;
}

void TEditPanelModel::Show(TItem* item) {
  Edited = item;
  if (Edited != nullptr)
    Fill();
}

void TEditPanelModel::Refill() {
  if (Edited != nullptr)
    Fill();
}

void TEditPanelModel::Fill() {
  const TLayoutKey key = LayoutKeyOf(Edited->ItemType, Edited->Level);
  std::optional<TPanelLayout> layout;
  if (ShownLayout != key) {
    layout = PanelLayoutFor(Edited->ItemType, Edited->Level);
    ShownLayout = key;
  }
  const TDepthScope filling(FillDepth);
  View.ShowFields(PanelFieldsOf(*Edited), layout ? &*layout : nullptr);
}

bool TEditPanelModel::Writable() const {
  return Edited != nullptr && !Filling();
}

bool TEditPanelModel::FieldsEnabled() const {
  return PanelEnabledFor(Edited->ItemType, Edited->Level).Fields;
}

bool TEditPanelModel::WriteText(TPanelText field, std::u16string_view text) {
  if (!Writable())
    return false;
  if (field == TPanelText::Caption) {
    Edited->Name = text;
    return true;
  }
  if (IsBarLevel(Edited->Level))
    return false;
  switch (field) {
    case TPanelText::MailTo:
      Edited->Email = text;
      break;
    case TPanelText::MailCc:
      Edited->Cc = text;
      break;
    case TPanelText::MailBcc:
      Edited->Bcc = text;
      break;
    case TPanelText::MailSubject:
      Edited->Subject = text;
      break;
    case TPanelText::Program:
      Edited->Program = text;
      break;
    case TPanelText::Params:
      Edited->QParams = text;
      break;
    case TPanelText::Website:
      Edited->Url = text;
      break;
    case TPanelText::Browser:
      Edited->WebBrowser = text;
      break;
    case TPanelText::Hint:
      if (!FieldsEnabled())
        return false;
      Edited->Tip = text;
      break;
    case TPanelText::Caption:
      break;
  }
  return true;
}

bool TEditPanelModel::WriteType(int listIndex) {
  if (!Writable() || !PanelEnabledFor(Edited->ItemType, Edited->Level).TypeList)
    return false;
  Edited->ItemType = ItemTypeOfListIndex(listIndex);
  // The code area and the macro fields show what the new type keeps; the other type's text stays stored.
  Fill();
  return true;
}

bool TEditPanelModel::WriteRepeat(std::u16string_view typed) {
  if (!Writable() || IsBarLevel(Edited->Level))
    return false;
  Edited->RepeatCount = ReadRepeatInput(typed).Count;
  return true;
}

bool TEditPanelModel::WriteNewLineHome(bool checked) {
  if (!Writable() || IsBarLevel(Edited->Level))
    return false;
  Edited->NewLineHome = checked;
  return true;
}

bool TEditPanelModel::WriteMonoSpace(bool checked) {
  if (!Writable() || !FieldsEnabled())
    return false;
  Edited->MonoSpace = checked;
  return true;
}

bool TEditPanelModel::CodeAreaChanged(std::u16string_view text) {
  if (!Writable() || WritingCodeArea || !FieldsEnabled())
    return false;
  switch (Edited->ItemType) {
    case storage::ItemTypeKeyMacro: {
      Edited->SetMacroLines(text);
      const TFlagScope writing(WritingMacro);
      View.SetMacroText(Edited->KeyMacro);
      break;
    }
    case storage::ItemTypeClipModifier:
      Edited->XClip = text;
      break;
    default:
      Edited->Code = text;
      break;
  }
  return true;
}

bool TEditPanelModel::MacroChanged(std::u16string_view text) {
  if (!Writable() || WritingMacro || IsBarLevel(Edited->Level) ||
      Edited->ItemType != storage::ItemTypeKeyMacro)
    return false;
  Edited->KeyMacro = text;
  const TFlagScope writing(WritingCodeArea);
  View.SetCodeAreaText(Edited->GetMacroLines());
  return true;
}

bool TEditPanelModel::WriteComposedMacro(std::u16string_view macro, bool newLineHome) {
  if (!Writable() || IsBarLevel(Edited->Level) || Edited->ItemType != storage::ItemTypeKeyMacro)
    return false;
  Edited->KeyMacro = macro;
  Edited->NewLineHome = newLineHome;
  Fill();
  return true;
}

bool TEditPanelModel::WriteComposedModifier(std::u16string_view editorText) {
  if (!Writable() || !FieldsEnabled() || Edited->ItemType != storage::ItemTypeClipModifier)
    return false;
  Edited->XClip = ModifierCodeFromComposer(editorText);
  Fill();
  return true;
}

}  // namespace tolvane::uimodel
