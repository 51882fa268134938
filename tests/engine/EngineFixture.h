#pragma once
// A test dialect parser made under fixed separators ('.' decimal, ',' list), with helpers
// that show what the engine did.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Separators.h"
#include "TestDialect.h"

using testdialect::TTestParser;

class EngineTest : public testing::Test {
protected:
    // The names of the words that tokenizing gives, separated by spaces.
    std::string Tokens(std::string_view text) { return Names(*Parser->Tokenize(text)); }

    // The same after the syntax checks and rewrites.
    std::string Words(std::string_view text)
    {
        const std::unique_ptr<TExprCollection> words = Parser->Tokenize(text);
        Parser->CheckAndResolve(*words);
        return Names(*words);
    }

    static std::string Names(const TExprCollection& words)
    {
        std::string names;
        for (const TExprWord* word : words.List())
            names += (names.empty() ? "" : " ") + word->Name;
        return names;
    }

    // The message of the error that adding the text raises; "no error" when it compiles.
    std::string CompileError(std::string_view text)
    {
        try {
            Parser->AddExpression(text);
        } catch (const platform::Exception& error) {
            return error.what();
        }
        return "no error";
    }

    // The words of the current chain's records, in execution order.
    std::vector<std::string> ChainWords() const
    {
        std::vector<std::string> names;
        for (const TExprRecord* record = Parser->CurrentExpression; record; record = record->Next)
            names.push_back(record->Word->Name);
        return names;
    }

    TSeparators Separators{'.', ','};
    std::unique_ptr<TTestParser> Parser = TCustomExpressionParser::Create<TTestParser>();
};
