#include "platform/report/ReportPreview.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/report/ReportRender.h"

#include <QGuiApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vorna::report {

// One page on a sheet of paper, as wide as the window allows.
class PageView : public QWidget {
public:
    static constexpr int Margin = 12;

    explicit PageView(const ReportDocument& doc) : doc_(doc)
    {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
        setPalette(p);
    }

    void setPage(ReportPage page)
    {
        page_ = std::move(page);
        update();
    }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return int((width - 2 * Margin) * paperRatio()) + 2 * Margin; }
    QSize sizeHint() const override { return QSize(820, heightForWidth(820)); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const int margin = Margin;
        QRectF paper(margin, margin, width() - 2 * margin, (width() - 2 * margin) * paperRatio());
        painter.fillRect(paper.translated(3, 3), QColor(0x40, 0x40, 0x40));
        painter.fillRect(paper, Qt::white);
        // The printable area inside the paper, as in print (12 mm of 210 mm).
        const double inset = paper.width() * 12.0 / (doc_.orientation == Orientation::Portrait ? 210.0 : 297.0);
        paintPage(painter, paper.adjusted(inset, inset, -inset, -inset), doc_, page_);
    }

private:
    double paperRatio() const { return doc_.orientation == Orientation::Portrait ? 297.0 / 210.0 : 210.0 / 297.0; }

    const ReportDocument& doc_;
    ReportPage page_;
};

ReportPreview::ReportPreview(std::shared_ptr<const ReportDocument> doc, const LaunchSettings& settings)
    : QWidget(nullptr, Qt::Window), doc_(std::move(doc))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("ReportPreview"));
    QString title = settings.windowTitle;
    if (title.isEmpty())
        title = doc_->title;
    const QFileInfo file(resolveReportPath(settings.reportFileName));
    if (title.isEmpty())
        title = file.fileName();
    setWindowTitle(title);
    suggestedName_ = QDir(QDir::homePath()).filePath(file.completeBaseName() + QStringLiteral(".pdf"));

    auto* toolbar = new QHBoxLayout;
    auto button = [&](const QString& text, const QString& name, auto handler) {
        auto* b = new QToolButton(this);
        b->setText(text);
        b->setObjectName(name);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        connect(b, &QToolButton::clicked, this, handler);
        toolbar->addWidget(b);
        return b;
    };
    button(QStringLiteral("Imprimir"), QStringLiteral("printButton"), [this] { printClicked(); });
    button(QStringLiteral("Salvar PDF"), QStringLiteral("pdfButton"), [this] { savePdfClicked(); });
    toolbar->addSpacing(16);
    firstButton_ = button(QStringLiteral("|<"), QStringLiteral("firstButton"), [this] { showPage(0); });
    previousButton_ = button(QStringLiteral("<"), QStringLiteral("previousButton"), [this] { showPage(page_ - 1); });
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("pageLabel"));
    toolbar->addWidget(pageLabel_);
    nextButton_ = button(QStringLiteral(">"), QStringLiteral("nextButton"), [this] { showPage(page_ + 1); });
    lastButton_ = button(QStringLiteral(">|"), QStringLiteral("lastButton"),
                         [this] { showLastPage(); });
    toolbar->addStretch();
    button(QStringLiteral("Fechar"), QStringLiteral("closeButton"), [this] { close(); });

    view_ = new PageView(*doc_);
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(view_);
    scroll_->setBackgroundRole(QPalette::Dark);
    // The page fills the width; its height follows, and the user scrolls down it.
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(toolbar);
    layout->addWidget(scroll_);

    QSize size(900, 1000);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
    if (settings.windowLeft || settings.windowTop)
        move(settings.windowLeft.value_or(0), settings.windowTop.value_or(0));

    // The first page shows at once; the pages of a long report are counted
    // between events, and "de n" follows when known.
    counter_ = new QTimer(this);
    counter_->setInterval(0);
    connect(counter_, &QTimer::timeout, this, [this] { countMore(CountSliceMs); });
    countMore(FirstCountMs);
}

void ReportPreview::countMore(qint64 budgetMs)
{
    try {
        const bool known = doc_->countPages(budgetMs);
        if (known)
            counter_->stop();
        else if (!counter_->isActive())
            counter_->start();
        showPage(page_);
    } catch (const ReportFailure& failure) {
        stopOnFailure(failure);
    }
}

void ReportPreview::stopOnFailure(const ReportFailure& failure)
{
    counter_->stop();
    if (failed_)
        return;
    failed_ = true;
    dlg::MsgBox(failure.message());
}

void ReportPreview::showLastPage()
{
    try {
        showPage(doc_->pageCount() - 1);
    } catch (const ReportFailure& failure) {
        stopOnFailure(failure);
    }
}

void ReportPreview::showPage(int page)
{
    const bool known = doc_->pageCountKnown();
    const int count = known ? doc_->pageCount() : doc_->pagesKnown();
    // Beyond the pages counted so far is allowed: they are laid out on the way.
    page_ = std::max(0, known ? std::min(page, count - 1) : page);
    try {
        view_->setPage(doc_->pageAsKnown(page_));
    } catch (const ReportFailure& failure) {
        stopOnFailure(failure);
    }
    page_ = std::min(page_, std::max(0, doc_->pagesKnown() - 1));
    pageLabel_->setText(known ? QStringLiteral("Página %1 de %2").arg(page_ + 1).arg(count)
                              : QStringLiteral("Página %1").arg(page_ + 1));
    const bool more = !known || page_ < count - 1;
    firstButton_->setEnabled(page_ > 0);
    previousButton_->setEnabled(page_ > 0);
    nextButton_->setEnabled(more);
    lastButton_->setEnabled(more);
}

void ReportPreview::printClicked()
{
    if (!dlg::dialogs().choosePrinter(this))
        return;
    if (!printTo(dlg::selectedPrinter()))
        dlg::MsgBox(QStringLiteral("Não foi possível imprimir o relatório."), dlg::Buttons::Ok, QStringLiteral("ATENÇÃO"));
}

bool ReportPreview::printTo(QPrinter& printer)
{
    printer.setDocName(windowTitle());
    try {
        return paintDocument(printer, *doc_, true);
    } catch (const ReportFailure& failure) {
        stopOnFailure(failure);
        return false;
    }
}

void ReportPreview::savePdfClicked()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar como PDF"), suggestedName_,
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!savePdf(path))
        dlg::MsgBox(QStringLiteral("Não foi possível gravar o arquivo %1.").arg(path), dlg::Buttons::Ok,
                    QStringLiteral("ATENÇÃO"));
}

bool ReportPreview::savePdf(const QString& path)
{
    try {
        if (!writePdf(*doc_, path).isEmpty())
            return false;
    } catch (const ReportFailure& failure) {
        stopOnFailure(failure);
        return false;
    }
    suggestedName_ = path;
    return true;
}

bool ReportPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize) {
        const int width = scroll_->viewport()->width();
        view_->resize(width, view_->heightForWidth(width));
    }
    return QWidget::eventFilter(watched, event);
}

void ReportPreview::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown: showPage(page_ + 1); break;
    case Qt::Key_PageUp: showPage(page_ - 1); break;
    case Qt::Key_Home: showPage(0); break;
    case Qt::Key_End: showLastPage(); break;
    case Qt::Key_Escape: close(); break;
    default: QWidget::keyPressEvent(event);
    }
}

}  // namespace vorna::report
