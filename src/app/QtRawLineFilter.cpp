#include "app/QtRawLineFilter.h"

namespace trakora {

RawLineFilter ParseRawLineFilter(const QString& text)
{
    RawLineFilter filter;
    if (text.isEmpty())
        return filter;
    filter.Active = true;
    if (text.size() >= 2 && text.startsWith(QLatin1Char('/')) && text.endsWith(QLatin1Char('/'))) {
        filter.Pattern.setPattern(text.mid(1, text.size() - 2));
        filter.Valid = filter.Pattern.isValid();
        if (!filter.Valid)
            filter.Error = filter.Pattern.errorString();
        return filter;
    }
    filter.Pattern = QRegularExpression(QRegularExpression::escape(text), QRegularExpression::CaseInsensitiveOption);
    return filter;
}

} // namespace trakora
