#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <utility>

// A text of the interface named once for several windows. It keeps its
// French source and is translated each time it is shown, so that the
// language installed at start-up also applies to texts defined before it.
// The source is marked with QT_TRANSLATE_NOOP in the context kUiTextContext
// for lupdate.
inline constexpr const char* kUiTextContext = "UiText";

class CUiText {
public:
    explicit constexpr CUiText(const char* source) : m_source(source) {}

    QString Text() const { return QCoreApplication::translate(kUiTextContext, m_source); }
    operator QString() const { return Text(); }

    template <typename... Arguments>
    QString arg(Arguments&&... arguments) const
    {
        return Text().arg(std::forward<Arguments>(arguments)...);
    }

private:
    const char* m_source;
};

template <std::size_t Count>
QStringList Translated(const std::array<CUiText, Count>& texts)
{
    QStringList translated;
    for (const CUiText& text : texts) {
        translated << text.Text();
    }
    return translated;
}
