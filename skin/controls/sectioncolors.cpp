#include "skin/controls/sectioncolors.h"

#include "skin/core/paintprimitives.h"
#include "skin/core/tscommondata.h"

#include <QWidget>

SectionColors::SectionColors(QWidget* control, const TsCommonData& skin)
    : m_control(control),
      m_skin(skin),
      m_own(control->palette())
{}

void SectionColors::apply(bool skinned)
{
    m_skinned = skinned;
    QPalette colors = m_own;
    if (const TsGeneralData* section = skinned ? m_skin.section() : nullptr) {
        const bool hot = m_skin.hot();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            colors.setColor(group, QPalette::Base, toQColor(hot ? section->hotColor : section->color));
            colors.setColor(group, QPalette::Text, toQColor(hot ? section->hotFontColor : section->fontColor));
        }
    }
    m_applying = true;
    m_control->setPalette(colors);
    m_applying = false;
}

void SectionColors::paletteChanged()
{
    if (m_applying)
        return;
    m_own = m_control->palette();
    apply(m_skinned);
}
