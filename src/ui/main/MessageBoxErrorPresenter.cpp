#include "MessageBoxErrorPresenter.h"

#include <QStringList>

namespace skarvel {
namespace {

constexpr qsizetype longestWord = 40;
constexpr qsizetype longestMessage = 400;

QString elideMiddle(const QString& text, qsizetype limit) {
    if (text.size() <= limit) {
        return text;
    }
    const qsizetype kept = (limit - 1) / 2;
    return text.first(kept) + QChar(0x2026) + text.last(kept);
}

} // namespace

void MessageBoxErrorPresenter::showError(QWidget* parent, const QString& caption,
                                         const QString& message) {
    createBox(parent, caption, message)->exec();
}

std::unique_ptr<QMessageBox> MessageBoxErrorPresenter::createBox(QWidget* parent,
                                                                 const QString& caption,
                                                                 const QString& message) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, caption,
                                             shortenForDisplay(message), QMessageBox::Ok, parent);
    // The message quotes what the user typed, which must never be read as markup.
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

} // namespace skarvel

namespace skarvel {

QString MessageBoxErrorPresenter::shortenForDisplay(const QString& message) {
    QStringList words = message.split(QLatin1Char(' '));
    for (QString& word : words) {
        word = elideMiddle(word, longestWord);
    }
    return elideMiddle(words.join(QLatin1Char(' ')), longestMessage);
}

} // namespace skarvel
