#pragma once

// Every section and key of the settings store, spelled as they are stored,
// with the defaults that are fixed values. Readers whose default depends on
// the window (the fonts, the window places) take it from here too.

#include <array>
#include <string_view>

namespace keys {

// Sections
inline constexpr std::string_view Settings = "Settings";
inline constexpr std::string_view FontSet = "FontSet";
inline constexpr std::string_view PrintSet = "PrintSet";
inline constexpr std::string_view PreviousFiles = "PreviousFiles";
inline constexpr std::string_view EditorPreviousFiles = "EditorPreviousFiles";

// "Settings" of orba
inline constexpr std::string_view Language = "Language";
inline constexpr std::string_view Splash = "Splash";
inline constexpr std::string_view Music = "Music";
inline constexpr std::string_view Tips = "Tips";
inline constexpr std::string_view TipNum = "TipNum";
inline constexpr std::string_view AutoPic = "AutoPic";
inline constexpr std::string_view AutoHelp = "AutoHelp";
inline constexpr std::string_view TurnOffExplain = "TurnOffExplain";
inline constexpr std::string_view PicOnTop = "PicOnTop";
inline constexpr std::string_view SoundResponses = "SoundResponses";
inline constexpr std::string_view Skin = "Skin";
// The maker's web server; the environment variable ORBA_SERVER wins over it.
inline constexpr std::string_view Server = "Server";
inline constexpr std::string_view PposWS = "PposWS";
inline constexpr std::string_view PposL = "PposL";
inline constexpr std::string_view PposT = "PposT";
inline constexpr std::string_view PposW = "PposW";
inline constexpr std::string_view PposH = "PposH";
inline constexpr std::string_view PicLeft = "PicLeft";
inline constexpr std::string_view PicTop = "PicTop";
inline constexpr std::string_view HelpPicLeft = "HelpPicLeft";
inline constexpr std::string_view HelpPicTop = "HelpPicTop";
inline constexpr std::string_view frmUpdate_WindowState = "frmUpdate_WindowState";
inline constexpr std::string_view frmUpdate_Left = "frmUpdate_Left";
inline constexpr std::string_view frmUpdate_Top = "frmUpdate_Top";
inline constexpr std::string_view frmUpdate_Width = "frmUpdate_Width";
inline constexpr std::string_view frmUpdate_Height = "frmUpdate_Height";

// "Settings" of skrib
inline constexpr std::string_view SkribposL = "SkribposL";
inline constexpr std::string_view SkribposT = "SkribposT";
inline constexpr std::string_view SkribposW = "SkribposW";
inline constexpr std::string_view SkribposH = "SkribposH";
inline constexpr std::string_view SkribposWS = "SkribposWS";
inline constexpr std::string_view SkribFSize = "SkribFSize";
inline constexpr std::string_view QTips = "QTips";
inline constexpr std::string_view QTipNum = "QTipNum";

// "FontSet"
inline constexpr std::string_view QuestionFontName = "QuestionFontName";
inline constexpr std::string_view QuestionFontSize = "QuestionFontSize";
inline constexpr std::string_view QuestionFontBold = "QuestionFontBold";
inline constexpr std::string_view QuestionFontItalic = "QuestionFontItalic";
inline constexpr std::string_view QuestionAlign = "QuestionAlign";
inline constexpr std::string_view HelpCommentFontName = "HelpCommentFontName";
inline constexpr std::string_view HelpCommentFontSize = "HelpCommentFontSize";
inline constexpr std::string_view HelpCommentFontBold = "HelpCommentFontBold";
inline constexpr std::string_view HelpCommentFontItalic = "HelpCommentFontItalic";
inline constexpr std::string_view HelpAlign = "HelpAlign";
inline constexpr std::string_view EssayFontName = "EssayFontName";
inline constexpr std::string_view EssayFontSize = "EssayFontSize";
inline constexpr std::string_view EssayFontBold = "EssayFontBold";
inline constexpr std::string_view EssayFontItalic = "EssayFontItalic";
inline constexpr std::string_view EssayAlign = "EssayAlign";
inline constexpr std::string_view chkFontName = "chkFontName";
inline constexpr std::string_view chkFontSize = "chkFontSize";
inline constexpr std::string_view chkFontBold = "chkFontBold";
inline constexpr std::string_view chkFontItalic = "chkFontItalic";

// "PrintSet"
inline constexpr std::string_view chkT0 = "chkT0";
inline constexpr std::string_view txtFN0 = "txtFN0";
inline constexpr std::string_view txtFS0 = "txtFS0";
inline constexpr std::string_view chkT1 = "chkT1";
inline constexpr std::string_view txtT1 = "txtT1";
inline constexpr std::string_view txtFN1 = "txtFN1";
inline constexpr std::string_view txtFS1 = "txtFS1";
inline constexpr std::string_view optSBA1 = "optSBA1";
inline constexpr std::string_view chkT2 = "chkT2";
inline constexpr std::string_view txtT2 = "txtT2";
inline constexpr std::string_view txtFN2 = "txtFN2";
inline constexpr std::string_view txtFS2 = "txtFS2";
inline constexpr std::string_view chkT3 = "chkT3";
inline constexpr std::string_view txtT3 = "txtT3";
inline constexpr std::string_view txtFN3 = "txtFN3";
inline constexpr std::string_view txtFS3 = "txtFS3";
inline constexpr std::string_view chkT4 = "chkT4";
inline constexpr std::string_view optM = "optM";
inline constexpr std::string_view optBLF0 = "optBLF0";
inline constexpr std::string_view optAK0 = "optAK0";
inline constexpr std::string_view optWI0 = "optWI0";

// "PreviousFiles" and "EditorPreviousFiles": entry n (1..4) is key n, "1" the newest.
inline constexpr int PreviousFileCount = 4;
inline constexpr std::array<std::string_view, PreviousFileCount> PreviousFileKeys = {"1", "2", "3", "4"};

} // namespace keys

namespace keys::defaults {

// "Settings" of orba. Language has no default value: missing means English.
inline constexpr std::string_view Language = "";
inline constexpr bool Splash = true;
inline constexpr bool Music = false;
inline constexpr bool Tips = true;
inline constexpr int TipNum = 1;
inline constexpr bool AutoPic = true;
inline constexpr bool AutoHelp = true;
inline constexpr bool TurnOffExplain = false;
inline constexpr bool PicOnTop = false;
inline constexpr bool SoundResponses = true;
inline constexpr std::string_view Skin = "None";
// PposWS: never saved.
inline constexpr int PposWS = -1;
// PposL/PposT as the chapter and information windows read them: centre the window.
inline constexpr int Centred = -1;
inline constexpr int PicLeft = -1;
inline constexpr int PicTop = -1;
inline constexpr int HelpPicLeft = -1;
inline constexpr int HelpPicTop = -1;
// The update window's width and height default to its current size.
inline constexpr int frmUpdate_WindowState = 0;
inline constexpr int frmUpdate_Left = -999;
inline constexpr int frmUpdate_Top = -999;

// "Settings" of skrib. SkribposWS has no default.
inline constexpr int SkribposL = 0;
inline constexpr int SkribposT = 0;
inline constexpr int SkribposW = 12000;
inline constexpr int SkribposH = 8490;
inline constexpr int SkribFSize = 10;
inline constexpr bool QTips = true;
inline constexpr int QTipNum = 1;

// "FontSet": the fonts dialog and the quiz window read the same keys with
// different defaults. Alignment: 0 left, 1 right, 2 centred.
struct FontDefault {
    std::string_view name;
    double size;
    bool bold;
    bool italic;
    int align;
};

namespace fontsDialog {
inline constexpr FontDefault Question{"Tahoma", 14, false, false, 0};
inline constexpr FontDefault HelpComment{"Courier New", 12, true, false, 2};
inline constexpr FontDefault Essay{"Courier New", 12, true, false, 0};
inline constexpr FontDefault chk{"Tahoma", 8, true, false, 0};
} // namespace fontsDialog

// The quiz window's alignment keys are read with no default, which reads as 0.
namespace quizWindow {
inline constexpr FontDefault Question{"Arial", 12, true, false, 0};
inline constexpr FontDefault HelpComment{"Courier New", 12, true, false, 0};
inline constexpr FontDefault Essay{"Courier New", 12, true, false, 0};
inline constexpr FontDefault chk{"Tahoma", 8, true, false, 0};
} // namespace quizWindow

} // namespace keys::defaults
