#include "MessageBoxErrorPresenter.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

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

} // namespace
} // namespace skarvel::test
