#include "DialogTypes.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <array>

namespace dialogs {
namespace {

// The localisable captions share one translation context.
constexpr const char* CaptionContext = "DialogEx";

constexpr std::array<const char*, 4> KindCaptions{
    QT_TRANSLATE_NOOP("DialogEx", "警告!"),
    QT_TRANSLATE_NOOP("DialogEx", "错误!"),
    QT_TRANSLATE_NOOP("DialogEx", "提示!"),
    QT_TRANSLATE_NOOP("DialogEx", "确认?"),
};

struct ButtonInfo {
    const char* Name;
    const char* Caption;
    int Result;
};

constexpr std::array<ButtonInfo, DialogButtonCount> Buttons{{
    {"Yes", QT_TRANSLATE_NOOP("DialogEx", "是(&Y)"), 6},
    {"No", QT_TRANSLATE_NOOP("DialogEx", "否(&N)"), 7},
    {"OK", QT_TRANSLATE_NOOP("DialogEx", "确定"), 1},
    {"Cancel", QT_TRANSLATE_NOOP("DialogEx", "取消"), 2},
    {"Abort", QT_TRANSLATE_NOOP("DialogEx", "终止(&A)"), 3},
    {"Retry", QT_TRANSLATE_NOOP("DialogEx", "重试(&R)"), 4},
    {"Ignore", QT_TRANSLATE_NOOP("DialogEx", "忽略(&I)"), 5},
    {"All", QT_TRANSLATE_NOOP("DialogEx", "全部(&A)"), 8},
    {"NoToAll", QT_TRANSLATE_NOOP("DialogEx", "全否(&o)"), 9},
    {"YesToAll", QT_TRANSLATE_NOOP("DialogEx", "全是(&A)"), 10},
    {"Help", QT_TRANSLATE_NOOP("DialogEx", "帮助(&H)"), 0},
    {"Details", QT_TRANSLATE_NOOP("DialogEx", "详细信息>>"), 0},
}};

constexpr const char* DetailsOpenCaption = QT_TRANSLATE_NOOP("DialogEx", "<<详细信息");

QString Translated(const char* source) { return QCoreApplication::translate(CaptionContext, source); }

}  // namespace

QString DialogKindCaption(TDialogKind kind)
{
    if (kind == dkCustom)
        return QGuiApplication::applicationDisplayName();
    return Translated(KindCaptions.at(kind));
}

const char* DialogButtonName(TDialogButton button) { return Buttons.at(button).Name; }

QString DialogButtonCaption(TDialogButton button) { return Translated(Buttons.at(button).Caption); }

int DialogButtonResult(TDialogButton button) { return Buttons.at(button).Result; }

QString DetailsCaption(bool expanded)
{
    return expanded ? Translated(DetailsOpenCaption) : DialogButtonCaption(dbDetails);
}

}  // namespace dialogs
