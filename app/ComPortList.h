#pragma once

#include <string>
#include <vector>

#include "app/MainControls.h"
#include "app/MainRadioPanel.h"

// The COM port list kept in step with the system's serial ports, which come
// and go with USB adapters while the program runs.
class CComPortList {
public:
    explicit CComPortList(MainControls& controls, CMainRadioPanel& panel);

    // Where the selected item is among the new items; the first when it is
    // gone, -1 when there are none.
    static int Reselect(const std::vector<std::string>& items, const std::string& selected);

    // Reads the system's ports again; the selected port stays selected while
    // it is listed. An open list is closed when its items change. True when
    // the items changed.
    bool Refresh();
    bool HasPorts() const;
    // The port numbers as listed.
    std::vector<int> Ports() const;

private:
    MainControls& m_controls;
    CMainRadioPanel& m_panel;
};
