// The stored form of a record: 146 scrambled characters with a check.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "dialogs/records_store.h"

namespace {

using quopa::CodificaRecorde;
using quopa::DecodificaRecorde;
using quopa::EntradaDeRecorde;

bool storeSafe(const std::string& text) {
    for (char c : text)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
              c == '-' || c == '_'))
            return false;
    return true;
}

TEST(RecordEntry, EncodesToExactly146SafeCharactersAndReadsBack) {
    const EntradaDeRecorde entries[] = {
        {},
        {1944, "Ana", "2024-03-09"},
        {7, "João Çaçapá", "1999-12-31"},
        {512, "🎲🎲🎲🎲🎲🎲🎲🎲🎲🎲🎲🎲🎲🎲🎲", "2030-01-01"},  // 15 characters of 4 bytes
        {0, "=;[]%\"\\ x", "2001-02-03"},
    };
    for (const EntradaDeRecorde& e : entries) {
        const std::string stored = CodificaRecorde(e);
        EXPECT_EQ(stored.size(), 146u) << e.nome;
        EXPECT_TRUE(storeSafe(stored)) << stored;
        EXPECT_EQ(DecodificaRecorde(stored), e) << e.nome;
    }
}

TEST(RecordEntry, NameIsKeptToFifteenCharactersAndBrokenBytesBecomeQuestionMarks) {
    auto back = DecodificaRecorde(CodificaRecorde({10, "ABCDEFGHIJKLMNOPQRSTU", "2024-01-01"}));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->nome, "ABCDEFGHIJKLMNO");
    back = DecodificaRecorde(CodificaRecorde({10, std::string("a\xff\x80z"), "2024-01-01"}));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->nome, "a??z");
}

// Neither the score, the name nor the date can be read from the stored text, and equal plain
// characters do not show as equal stored ones.
TEST(RecordEntry, StoredTextCannotBeReadByEye) {
    const std::string stored = CodificaRecorde({1234, "AAAAAAAAAAAAAAA", "2024-05-06"});
    for (const char* plain : {"01234", "1234", "414141", "2024", "05-06"})
        EXPECT_EQ(stored.find(plain), std::string::npos) << plain;
    const std::string empty = CodificaRecorde({});
    int longestRun = 1, run = 1;
    for (std::size_t i = 1; i < empty.size(); ++i) {
        run = empty[i] == empty[i - 1] ? run + 1 : 1;
        longestRun = std::max(longestRun, run);
    }
    EXPECT_LT(longestRun, 4);
}

TEST(RecordEntry, DamagedTextsAreRefused) {
    for (const char* text : {"", "x", "DataNed1"}) EXPECT_FALSE(DecodificaRecorde(text)) << text;

    std::mt19937 random(20240309);
    const std::string printable =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_ !#$&()*+,./:<>?@";
    for (int i = 0; i < 200; ++i) {
        std::string noise;
        for (int k = 0; k < 146; ++k) noise += printable[random() % printable.size()];
        EXPECT_FALSE(DecodificaRecorde(noise)) << noise;
    }

    // Every single changed character of a valid entry is noticed, whatever it becomes.
    const std::string valid = CodificaRecorde({1364, "Ana", "2024-03-09"});
    ASSERT_TRUE(DecodificaRecorde(valid));
    for (std::size_t pos = 0; pos < valid.size(); ++pos)
        for (char c : std::string("A0z-_ =")) {
            if (c == valid[pos]) continue;
            std::string damaged = valid;
            damaged[pos] = c;
            EXPECT_FALSE(DecodificaRecorde(damaged)) << "position " << pos << " -> " << c;
        }
    EXPECT_FALSE(DecodificaRecorde(valid + "A"));
    EXPECT_FALSE(DecodificaRecorde(valid.substr(1)));
}

// Entries as players' stores hold them. They must always read: a change of the alphabet, the key
// or the layout would make every stored table unreadable, and the repair on unloading would then
// wipe it.
TEST(RecordEntry, StoredEntriesOfTodaysFormStillRead) {
    struct Sample {
        const char* stored;
        EntradaDeRecorde entry;
    };
    const Sample samples[] = {
        {"9TZGoTcK6gpgbZqrMczpc-7UUUsTGfrMlpnoZzKcmsvPDR8ptDE3C8IRrW7_eZf9d9j2mVT3A8u7UnWvX3w4_"
         "3yYdEs"
         "no3trgHZYwZXbzXaJbtbxbZVxSt-RH5fuDDnk16a0OM43xNR5SX9ty7",
         {1944, "Ana", "2024-03-09"}},
        {"9T6KhKci4nqsH6qrMczpc-7UUUsTGfrMlpnoZzKcmsvPDR8ptDE3C8IRrW7_eZf9d9j2mVT3A8u7UnWvX3w4_"
         "3yYdEs"
         "no3trgHZYwZXbzXaJbtbxbZVxSt-RH5fuDDnki62zOM23xCR5SXM6vB",
         {}},
        {"9D_GXGcG6NpTXrX2zLepjGDvlblE3BQkXpLAgEKcmsvPDR8ptDE3C8IRrW7_eZf9d9j2mVT3A8u7UnWvX3w4_"
         "3yYdEs"
         "no3trgHZYwZXbzXaJbtbxbZVxSt-RH5fuDDnkt_p1Oka3nFR5SXD-ef",
         {99999, "João Çaçapá", "1999-12-31"}},
        {"9T6nyRcvNncTQ9PwLcjIjGdKUUsTGfrMlpnoZzKcmsvPDR8ptDE3C8IRrW7_eZf9d9j2mVT3A8u7UnWvX3w4_"
         "3yYdEs"
         "no3trgHZYwZXbzXaJbtbxbZVxSt-RH5fuDDnk164zOMB3xFR5SX-wZd",
         {512, "🎲 Zé", "2030-01-01"}},
    };
    for (const Sample& sample : samples) {
        EXPECT_EQ(DecodificaRecorde(sample.stored), sample.entry) << sample.entry.nome;
        EXPECT_EQ(CodificaRecorde(sample.entry), sample.stored) << sample.entry.nome;
    }
}

}  // namespace
