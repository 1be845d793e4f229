// Every flow configuration placed as a user places it: the element's tool
// button (and the cylinder dialog's OK), then a click on the picture.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

class TMainForm;
class TMDIChild;

struct PlacedConfiguration {
    QString name;
    // Places the configuration on the active, empty document `d` around `at`
    // (a pair: 100 pixels left and right of it).
    std::function<void(TMainForm& form, TMDIChild* d, QPoint at)> place;
};

// The nine configurations the construction commands tell apart.
const std::vector<PlacedConfiguration>& placedConfigurations();

// A new document with the named configuration placed around (400, 300).
TMDIChild* placedOnNewDocument(TMainForm& form, const QString& name);
