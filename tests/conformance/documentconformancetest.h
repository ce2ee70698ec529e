#pragma once

#include "conformancetest.h"

// The application and its documents, the selection, custom document
// properties and bookmarks.
class DocumentConformanceTest : public ConformanceTest
{
    Q_OBJECT

public:
    using ConformanceTest::ConformanceTest;

private slots:
    void customPropertyWrittenTwice_data();
    void customPropertyWrittenTwice();
    void documentsAddAndClose();
    void selectionFollowsRange_data();
    void selectionFollowsRange();
    void selectionFormats();
    void centimetersToPoints();
    void bookmarkFollowsEdits_data();
    void bookmarkFollowsEdits();
    void bookmarkNames();
    void addedPropertyTypes_data();
    void addedPropertyTypes();
};
