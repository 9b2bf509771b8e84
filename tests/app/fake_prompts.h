#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "views/prompts.h"

namespace valta9::test {

// Records every message the window shows and answers the open dialog from a queue.
class FakePrompts : public Prompts {
public:
    enum class Kind { Message, Error };

    QString chooseDumpFile(QWidget*, const QString& folder) override {
        folders.push_back(folder);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    void message(QWidget*, const QString& text) override { shown.emplace_back(Kind::Message, text); }
    void error(QWidget*, const QString& text) override { shown.emplace_back(Kind::Error, text); }

    [[nodiscard]] QStringList texts() const {
        QStringList out;
        for (const auto& entry : shown) {
            out << entry.second;
        }
        return out;
    }

    QStringList answers;
    QStringList folders;
    std::vector<std::pair<Kind, QString>> shown;
};

} // namespace valta9::test
