// The widget behind the IP address control: four number fields of 0 to 255 separated by points, typed
// the way technicians type an address (a point or blank ends a field, the arrows cross between
// fields, a pasted dotted address fills all four).
#pragma once

#include <QFrame>
#include <QLineEdit>
#include <array>

class IpAddressWidget : public QFrame {
    Q_OBJECT

public:
    explicit IpAddressWidget(QWidget* parent);
    QLineEdit* Field(int index) const { return m_fields[static_cast<std::size_t>(index)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Caret { SelectAll, Start, End };

    int IndexOf(const QObject* object) const;
    bool HandleKey(int index, const QKeyEvent& key);
    void OnEdited(int index);
    void Enter(int index, Caret caret);
    bool PasteAddress();
    void TellRange(int typed, int index);
    void NameForScreenReaders();

    std::array<QLineEdit*, 4> m_fields{};
    int m_advancedTo = -1;  // the field that a third digit has just moved to, until the next key
};
