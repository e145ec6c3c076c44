#pragma once
// What the benchmarks that drive the real windows share: a message-box
// answerer that keeps the windows running without a user, the reading of a
// whole row on the SQLite side, and SQLite's plan for a statement.
#include "platform/controls/Window.h"
#include "platform/dialogs/Dialogs.h"

#include <QApplication>
#include <QString>
#include <benchmark/benchmark.h>

class QAbstractButton;
#include <QVariant>
#include <sqlite3.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vorna::bench {

// Answers every box with OK (Yes where it asks) and counts them.
class QuietDialogs : public dlg::DialogService {
public:
    dlg::Answer message(const dlg::MessageRequest& request) override;
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override { return {}; }
    bool choosePrinter(QWidget*) override { return false; }
    void beep() override {}
    int boxes = 0;
    QString lastText;
};

// The program on the database at path, as a user with every right at the
// highest level, and a connection of our own to the same file for the work
// done by hand (rawFlags: SQLite's open flags). Throws when it cannot open.
sqlite3* openAsBenchUser(const QString& path, int rawFlags);

// The window shown (loaded first when it is not), its events processed.
ui::Window& shown(ui::Window& w);

// The control of w named name; throws when there is none.
template <class T>
T* control(ui::Window& w, const char* name)
{
    T* found = w.findChild<T*>(QLatin1String(name));
    if (!found)
        throw std::runtime_error(std::string("no control ") + name);
    return found;
}

void click(QAbstractButton* button);

// The opening of w measured: unloaded outside the time, shown inside it.
inline void openingLoop(benchmark::State& state, ui::Window& w)
{
    for (auto _ : state) {
        state.PauseTiming();
        w.Unload();
        QApplication::processEvents();
        state.ResumeTiming();
        w.Show();
        QApplication::processEvents();
    }
}

// The window active, so that its boxes get their focus events; false when the
// platform would not activate it.
bool activate(ui::Window& w);

// A text column of the current row of q.
QString columnText(sqlite3_stmt* q, int column);

// A whole row read into values, as a window holds what it shows.
std::vector<QVariant> readRow(sqlite3_stmt* q);

// EXPLAIN QUERY PLAN of sql on db, its lines joined by "; "; empty when it
// does not compile.
QString queryPlan(sqlite3* db, const QByteArray& sql);

// Runs run with SQLite's trace on db and gives each distinct statement it ran,
// in the order first run, with its plan: (plan, statement). Statements SQLite
// gives no plan for are left out.
std::vector<std::pair<QString, QString>> plansOf(sqlite3* db, const std::function<void()>& run);

}  // namespace vorna::bench
