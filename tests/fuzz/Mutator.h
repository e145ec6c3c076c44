#pragma once
// A seeded, bounded mutation loop: no coverage feedback, but every input that a
// reader accepts joins the pool, so edits pile up on texts that already read.
#include <QString>
#include <QStringList>

#include <functional>
#include <random>

namespace fuzz {

class Mutator {
public:
    Mutator(QStringList seeds, QStringList tokens, unsigned seed = 20240601u)
        : pool_(std::move(seeds)), tokens_(std::move(tokens)), rng_(seed) {}

    // A new text from a text of the pool.
    QString next();
    // Keeps a text that read, up to a small pool.
    void keep(const QString& text);
    // A number that is often at the edge of something.
    double number();

private:
    int below(int n) { return n <= 0 ? 0 : int(rng_() % unsigned(n)); }
    QChar randomChar();

    QStringList pool_;
    QStringList tokens_;
    std::mt19937 rng_;
};

// Runs `read` over `iterations` mutated texts; `read` returns true when it
// accepted the text.
void run(Mutator& m, int iterations, const std::function<bool(const QString&)>& read);

// The text shortened for a failure message.
QString shown(const QString& text);

}  // namespace fuzz
