// The widget behind the IP address control: four number fields of 0 to 255 separated by points.
#pragma once

#include <QFrame>
#include <QLineEdit>
#include <array>

class IpAddressWidget : public QFrame {
    Q_OBJECT

public:
    explicit IpAddressWidget(QWidget* parent);
    QLineEdit* Field(int index) const { return m_fields[static_cast<std::size_t>(index)]; }

private:
    std::array<QLineEdit*, 4> m_fields{};
};
