#include "common/NameFragmentSearch.h"

#include "platform/controls/ListBox.h"
#include "platform/database/CriteriaText.h"
#include "platform/controls/Twips.h"
#include "platform/runtime/Runtime.h"
#include "common/RecordWindowPatternFields.h"

namespace vorna {

namespace {


}  // namespace

NameFragmentSearch::NameFragmentSearch(db::Recordset recordset, NameFragmentSearchSpec design,
                                       std::function<void()> show, std::function<void()> endShown)
    : rs_(std::move(recordset)), design_(std::move(design)), show_(std::move(show)), endShown_(std::move(endShown))
{
    if (design_.nameNotFound.isEmpty())
        design_.nameNotFound = design_.codeNotFound;
}

void NameFragmentSearch::search()
{
    if (!rt::Trim(record::boxText(design_.codeBox)).isEmpty())
        findByCode();
    else if (!record::boxText(design_.nameBox).isEmpty())
        listByName();
    else
        msg::notFound(design_.enterCodeOrName);
}

bool NameFragmentSearch::findByCode()
{
    // The key is a number: a code box holding anything else (pasted) finds
    // nothing rather than making the criteria unreadable.
    if (const auto code = db::wholeNumber(record::boxText(design_.codeBox))) {
        rs_.FindFirst(design_.codeField + QStringLiteral(" = ") + *code);
        if (!rs_.NoMatch()) {
            show_();
            return true;
        }
    }
    notFound(design_.codeNotFound);
    return false;
}

bool NameFragmentSearch::listByName()
{
    ui::ListBox* list = design_.list;
    list->setVisible(true);
    if (design_.listPlace) {
        const QRect& r = *design_.listPlace;
        ui::placeTwips(list, r.x(), r.y(), r.width(), r.height());
    }
    list->raise();
    const QString criteria = db::containsCriteria(design_.nameField, record::boxText(design_.nameBox));
    rs_.FindFirst(criteria);
    if (rs_.NoMatch()) {
        notFound(design_.nameNotFound);
        return false;
    }
    // One letter may match every client: the names go into the list at once.
    QStringList names;
    QVariantList marks;
    do {
        const Variant name = rs_.field(design_.nameField);
        names << (name.isNull() ? QString() : rt::CStr(name));
        marks << QVariant::fromValue(rs_.bookmark());
        rs_.FindNext(criteria);
    } while (!rs_.NoMatch());
    list->AddItems(names, marks);
    if (design_.showLastFound)
        show_();
    return true;
}

void NameFragmentSearch::pick()
{
    ui::ListBox* list = design_.list;
    const int index = list->ListIndex();
    if (index < 0)
        return;
    const Variant mark = list->ItemData(index).value<Variant>();
    try {
        rs_.setBookmark(mark);
        show_();
    } catch (const EngineError& e) {
        // Another workstation deleted the row since it was listed.
        if (e.number() != err::RecordDeleted && e.number() != err::InvalidBookmark)
            throw;
        notFound(design_.nameNotFound);
    }
    list->setVisible(false);
    list->Clear();
}

void NameFragmentSearch::notFound(const QString& text)
{
    msg::notFound(text);
    if (endShown_)
        endShown_();
    if (design_.list)
        design_.list->setVisible(false);
}

}  // namespace vorna
