#pragma once
// The expression parser whose ten dialect words switch between the standard forms and
// C-like ones ("=" assigns, "==" compares, "!" negates, "%" is the remainder ...). A new
// parser speaks the C-like dialect.
#include "engine/ExpressionParser.h"

class TCStyleParser : public TExpressionParser {
public:
    explicit TCStyleParser(TConstruction construction);

    // Switches to the C-like dialect (true) or to the standard one (false); the stored
    // expressions follow the new words. A switch to the dialect in force changes nothing.
    void SetCStyle(bool on);
    // The dialect last selected: true for the C-like one.
    bool CStyle() const { return FCStyle; }

protected:
    // The standard vocabulary, then the switch to the C-like dialect.
    void BuildVocabulary() override;

private:
    void ReplaceStandardWords();
    void ReplaceCStyleWords();

    bool FCStyle = false;
};
