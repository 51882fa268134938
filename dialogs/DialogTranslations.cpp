#include "DialogTranslations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace dialogs {

void InstallCaptionTranslations()
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(), QStringLiteral("dialogs"), QStringLiteral("_"),
                          QStringLiteral(":/i18n")))
        return;
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator.release());
}

}  // namespace dialogs
