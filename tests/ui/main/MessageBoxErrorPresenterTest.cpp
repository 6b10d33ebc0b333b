#include "MessageBoxErrorPresenter.h"

#include <QAbstractButton>
#include <gtest/gtest.h>
#include <ostream>

namespace skarvel::test {
namespace {

TEST(MessageBoxErrorPresenterTest, OneOkButtonCaptionAndThePlainMessage) {
    // Text the user typed may look like markup; it must reach the user as typed.
    const QString message = QStringLiteral("The bonus of creature 1 (\"<b>9e9\") is outside");
    const auto box =
        MessageBoxErrorPresenter::createBox(nullptr, QStringLiteral("Skarvel"), message);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Skarvel"));
    EXPECT_EQ(box->text(), message); // short enough to show whole
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
}

struct Shortening {
    QString message;
    QString shown;
};

void PrintTo(const Shortening& shortening, std::ostream* out) {
    *out << shortening.message.size() << " characters";
}

class ShortenForDisplayTest : public ::testing::TestWithParam<Shortening> {};

TEST_P(ShortenForDisplayTest, BothEndsOfWhatWasTypedStayReadable) {
    EXPECT_EQ(MessageBoxErrorPresenter::shortenForDisplay(GetParam().message), GetParam().shown);
}

const QString ellipsis(QChar(0x2026));

INSTANTIATE_TEST_SUITE_P(
    Messages, ShortenForDisplayTest,
    ::testing::Values(
        // Ordinary messages pass unchanged, a 40-character word included.
        Shortening{QStringLiteral("No die is chosen."), QStringLiteral("No die is chosen.")},
        Shortening{QStringLiteral("x (\"") + QString(36, QLatin1Char('9')) + QStringLiteral("\")"),
                   QStringLiteral("x (\"") + QString(36, QLatin1Char('9')) + QStringLiteral("\")")},
        // A 5000-digit number keeps its quotes and the message its end: 19 characters
        // of the word on each side of the ellipsis.
        Shortening{QStringLiteral("bonus (\"") + QString(5000, QLatin1Char('9')) +
                       QStringLiteral("\") is outside -32768 to 32767."),
                   QStringLiteral("bonus (\"") + QString(17, QLatin1Char('9')) + ellipsis +
                       QString(17, QLatin1Char('9')) +
                       QStringLiteral("\") is outside -32768 to 32767.")},
        // Many short words: the whole keeps 199 characters on each side.
        Shortening{QStringLiteral("A ") + QStringLiteral("ab ").repeated(300) + QStringLiteral("Z"),
                   QStringLiteral("A ") + QStringLiteral("ab ").repeated(65) +
                       QStringLiteral("ab") + ellipsis + QStringLiteral("ab ").repeated(66) +
                       QStringLiteral("Z")}));

} // namespace
} // namespace skarvel::test
