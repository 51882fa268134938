#include "DialogEx.h"

#include "DialogTranslations.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <array>

namespace dialogs {

CaptionWidthTable CaptionWidthCache{};

namespace {

// The stock icons of the kinds that have one, in kind order.
constexpr std::array<QStyle::StandardPixmap, 4> KindIcons{
    QStyle::SP_MessageBoxWarning,
    QStyle::SP_MessageBoxCritical,
    QStyle::SP_MessageBoxInformation,
    QStyle::SP_MessageBoxQuestion,
};

void MeasureCaptions(const QFontMetrics& surface, TDialogButtons buttons)
{
    for (int n = 0; n < DialogButtonCount; ++n) {
        const auto button = static_cast<TDialogButton>(n);
        if (!buttons.Contains(button) || CaptionWidthCache[n] != 0)
            continue;
        const QRect caption = surface.boundingRect(
            QRect(), Qt::AlignLeft | Qt::TextSingleLine | Qt::TextShowMnemonic,
            DialogButtonCaption(button));
        CaptionWidthCache[n] = caption.width() + 8;
    }
}

// The size the message needs when wrapped at the given width.
QSize MeasureMessage(const QFontMetrics& surface, const QString& message, int width)
{
    const QRect text = surface.boundingRect(
        QRect(0, 0, width, 0), Qt::AlignLeft | Qt::TextWordWrap | Qt::TextExpandTabs, message);
    return {text.x() + text.width(), text.y() + text.height()};
}

void AddIcon(TMessageForm& form, TDialogKind kind, const QRect& bounds)
{
    auto* image = new QLabel(&form);
    image->setObjectName(QStringLiteral("Image"));
    image->setPixmap(form.style()->standardIcon(KindIcons.at(kind)).pixmap(IconSize, IconSize));
    image->setGeometry(bounds);
}

void AddMessage(TMessageForm& form, const QString& message, const QRect& bounds)
{
    auto* label = new QLabel(&form);
    label->setObjectName(QStringLiteral("Message"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setText(message);
    label->setGeometry(bounds);
}

void AddButtons(TMessageForm& form, TDialogButtons buttons, const MessageLayout& layout)
{
    for (int n = 0; n < DialogButtonCount; ++n) {
        const auto member = static_cast<TDialogButton>(n);
        if (!buttons.Contains(member))
            continue;
        auto* button = new QPushButton(DialogButtonCaption(member), &form);
        button->setObjectName(QString::fromLatin1(DialogButtonName(member)));
        button->setGeometry(*layout.Buttons[n]);
        if (layout.DefaultButton == member) {
            button->setDefault(true);
            button->setFocus();
        }
        if (layout.CancelButton == member)
            form.SetCancelButton(button);
        if (member == dbHelp)
            QObject::connect(button, &QPushButton::clicked, &form, [&form] { form.HelpClick(); });
        else if (member == dbDetails)
            QObject::connect(button, &QPushButton::clicked, &form,
                             [&form, button] { form.DetailsClick(button); });
        else
            QObject::connect(button, &QPushButton::clicked, &form,
                             [&form, result = DialogButtonResult(member)] { form.done(result); });
    }
}

QRect ScreenArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

}  // namespace

QSize AverageCharSize(const QFontMetrics& surface)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {surface.horizontalAdvance(letters) / 52, surface.height()};
}

std::unique_ptr<TMessageForm> BuildMessageForm(const QString& message, const QString& details,
                                               TDialogKind kind, TDialogButtons buttons)
{
    auto form = std::make_unique<TMessageForm>();
    const QFontMetrics surface(form->font());
    const QRect screen = ScreenArea();
    MeasureCaptions(surface, buttons);
    const MessageLayout layout = LayoutMessageForm({
        .CharSize = AverageCharSize(surface),
        .TextSize = MeasureMessage(surface, message, screen.width() / 2),
        .ScreenSize = screen.size(),
        .Kind = kind,
        .Buttons = buttons,
        .CaptionWidths = CaptionWidthCache,
        .RightToLeft = form->isRightToLeft(),
    });

    form->setWindowTitle(DialogKindCaption(kind));
    form->setFixedSize(layout.ClientSize);
    form->move(screen.topLeft() + layout.Position);
    if (layout.Icon)
        AddIcon(*form, kind, *layout.Icon);
    AddMessage(*form, message, layout.Message);
    form->DetailsMemo->setPlainText(details);
    form->DetailsPanel->setGeometry(layout.DetailsPanel);
    AddButtons(*form, buttons, layout);
    return form;
}

int ShowMessageForm(const QString& message, const QString& details, TDialogKind kind,
                    TDialogButtons buttons)
{
    // Built centred on the screen; the form is freed however showing it ends.
    const auto form = BuildMessageForm(message, details, kind, buttons);
    return CurrentPresenter().ExecModal(*form);
}

void ShowErrorDetails(const QString& message, const QString& details)
{
    ShowMessageForm(message, details, dkError, {dbOK, dbDetails});
}

void ShowWarning(const QString& message) { ShowMessageForm(message, QString(), dkWarning, {dbOK}); }

void ErrorBox(const QString& text)
{
    CurrentPresenter().ShowMessageBox(QMessageBox::Critical, DialogKindCaption(dkError), text);
}

void HintBox(const QString& text)
{
    CurrentPresenter().ShowMessageBox(QMessageBox::Information, DialogKindCaption(dkInformation), text);
}

}  // namespace dialogs

// Bitmaps and caption translations are ready as soon as the application exists. At file
// scope, because Q_INIT_RESOURCE may not stand in a namespace.
static void LoadDialogResources()
{
    Q_INIT_RESOURCE(dialogs);
    dialogs::InstallCaptionTranslations();
}
Q_COREAPP_STARTUP_FUNCTION(LoadDialogResources)
