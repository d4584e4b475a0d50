// The application object: its title rule, its font, and re-reading the user's number settings
// when the locale changes.
#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QWidget>
#include <gtest/gtest.h>

#include "application.h"
#include "locale_settings.h"

namespace {

struct TitleCase {
    const char* programPath;
    const char* title;
};

TEST(ApplicationTitle, IsTheFileNameCutAtItsFirstFullStopWithTheRestInLowerCase) {
    const TitleCase cases[] = {
        {"/usr/local/bin/notafiscal", "notafiscal"},
        {"NOTAFISCAL.EXE", "Notafiscal"},
        {"./NotaFiscal", "Notafiscal"},
        {"/opt/nf/nota.fiscal.bin", "nota"},
        {"/opt/v1.2/Emissor", "Emissor"},  // a full stop in the folder does not count
        {"ÉMISSÃO.bin", "Émissão"},
        {"nota fiscal", "nota fiscal"},
        {"x", "x"},
        {".hidden", ""},
        {"", ""},
    };
    for (const TitleCase& c : cases) {
        EXPECT_EQ(applicationTitle(QString::fromUtf8(c.programPath)), QString::fromUtf8(c.title))
            << c.programPath;
    }
}

TEST(ApplicationObject, TakesItsTitleAndNameFromTheProgramFile) {
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "app_tests");
    EXPECT_EQ(QCoreApplication::applicationName(), "app_tests");
}

TEST(ApplicationObject, UsesTheSansSerifFontAtElevenPixels) {
    EXPECT_EQ(QApplication::font().pixelSize(), 11);
    EXPECT_EQ(QApplication::font().styleHint(), QFont::SansSerif);
}

// Records the decimal separator the number settings hold when the widget hears of the change.
class LocaleListener : public QWidget {
public:
    QChar separatorSeen;

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LocaleChange)
            separatorSeen = LocaleSettings::current().decimalSeparator;
        QWidget::changeEvent(event);
    }
};

TEST(ApplicationObject, RereadsTheNumberSettingsBeforeTheScreensHearOfALocaleChange) {
    const QLocale previous;
    LocaleListener screen;
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &change);

    EXPECT_EQ(LocaleSettings::current().decimalSeparator, QChar(','));
    EXPECT_EQ(LocaleSettings::current().currencySymbol, "R$");
    EXPECT_EQ(screen.separatorSeen, QChar(','));

    QLocale::setDefault(previous);
    QCoreApplication::sendEvent(qApp, &change);
    EXPECT_EQ(LocaleSettings::current().decimalSeparator, previous.decimalPoint().at(0));
}

}  // namespace
