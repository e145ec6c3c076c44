#pragma once
#include "platform/report/ReportControl.h"

#include <QWidget>
#include <memory>

class QLabel;
class QScrollArea;
class QPrinter;
class QTimer;
class QToolButton;

namespace vorna::report {

class PageView;

// The report window: the laid-out pages one at a time, with buttons to print
// (the printer dialog), save a PDF, move between pages and close. Not modal;
// it deletes itself when closed.
class ReportPreview : public QWidget {
    Q_OBJECT
public:
    ReportPreview(std::shared_ptr<const ReportDocument> doc, const LaunchSettings& settings);

    const ReportDocument& document() const { return *doc_; }
    int currentPage() const { return page_; }
    void showPage(int page);

    // The button handlers, and what they do once the user has chosen.
    void printClicked();
    void savePdfClicked();
    bool printTo(QPrinter& printer);
    bool savePdf(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr qint64 FirstCountMs = 150;
    static constexpr qint64 CountSliceMs = 40;
    void countMore(qint64 budgetMs);
    void showLastPage();
    // A read that fails after the window opened: one box, and no more reading.
    void stopOnFailure(const ReportFailure& failure);

    std::shared_ptr<const ReportDocument> doc_;
    QString suggestedName_;
    int page_ = 0;
    PageView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QToolButton* firstButton_ = nullptr;
    QToolButton* previousButton_ = nullptr;
    QToolButton* nextButton_ = nullptr;
    QToolButton* lastButton_ = nullptr;
    QTimer* counter_ = nullptr;
    bool failed_ = false;
};

}  // namespace vorna::report
