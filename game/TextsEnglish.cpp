// The game's texts in English: the same variants, in the same order, as
// the Polish ones. People keep their Polish names, and so does the town.
#include "Texts.h"

namespace dzwonex {

namespace {

const TextCatalogue kEnglish = {
    .language = Language::English,
    .greetings =
        {
            "Mr Manager,",
            "Dear Mr Manager,",
            "Mr Director,",
            "Dear Mr Director,",
            "Mr Chairman,",
            "Dear Mr Chairman,",
            "Boss!",
        },
    .motivations =
        {
            "I make this request because my son needs a permanent connection for his schoolwork ;)",
            "I make this request because my daughter needs a permanent connection for her schoolwork ;)",
            "I make this request because every now and then I would like to download a few pictures or videos.",
            "I make this request because I have bought a big hard disk and need to download something to fill it up.",
            "I make this request because I have always dreamt of having the Internet, and it would be cool to have "
            "it :))",
        },
    .closings = {"Best regards!", "Yours respectfully...", "Awaiting your reply..."},
    .companies =
        {
            "Hopalot Farm",
            "Liquor Store",
            "Escort Agency \"Hottie\"",
            "The \"Boor\" Society of Discontented Citizens",
            "Public Toilets Board",
            "\"Strach Brothers\" Waste Disposal Company",
        },
    .spyReports =
        {
            "Our spies have found out that one of our subscribers is clogging the line downloading huge files.",
            "Our spies have found out that one of our subscribers downloads films around the clock.",
            "Our spies have found out that one of our subscribers downloads lots of naughty pictures, corrupting "
            "himself and others :)",
            "Our spies have found out that one of our subscribers has not paid his phone bill for 10 years.",
        },
    .insults =
        {
            "I wanted to tell you that you are useless, your company is stupid, etc. etc. :))",
            "I would like to give you my opinion of your company. Here it is:\r\nBleeeeeeeeh\r\nIn a word, you are "
            "useless.",
            "You are a stupid company and I don't like you !!!",
            "I am very unhappy with the policy you pursue towards your subscribers.",
            "As a boss you are useless.",
        },
    .praises =
        {
            "I must praise you for the very sound policy you pursue towards your subscribers.",
            "You are a really cool company and I like you a lot :)",
            "Greetings on behalf of the happy subscribers of Lamerowo.",
            "I wanted to say that I am very pleased with the services you provide.",
        },
    .envelope = "I enclose an envelope with {} in it, counting on your kind help :)",
    .lines = {{
        {.title = "SDI application",
         .plainRequest = "I kindly ask you to consider my request for a permanent SDI Internet connection.",
         .bribeRequest = "I kindly ask you to look favourably on my request for a permanent SDI Internet connection.",
         .spyQuestion = "Do you want to cut this subscriber's SDI?",
         .refusalTitle = "Reply about SDI",
         .refusal = "Dear Sir,\r\n\r\nI regret to inform you that at present we do not have the technical means to "
                    "install a permanent SDI line at this location.\r\n\r\n  "},
        {.title = "Neostrada application",
         .plainRequest = "I kindly ask you to consider my request for a permanent Neostrada Internet connection.",
         .bribeRequest =
             "I kindly ask you to look favourably on my request for a permanent Neostrada Internet connection.",
         .spyQuestion = "Do you want to cut this subscriber's Neostrada?",
         .refusalTitle = "Reply about Neostrada",
         .refusal = "Dear Sir,\r\n\r\nI regret to inform you that at present we do not have the technical means to "
                    "install a permanent Neostrada line at this location. This most modern and wonderful technology "
                    "is still being tested in our country.\r\n\r\n  "},
        {.title = "Polpak-T application",
         .plainRequest = "I kindly ask you to consider my request for a Polpak-T broadband Internet connection.",
         .bribeRequest =
             "I kindly ask you to look favourably on my request for a Polpak-T broadband Internet connection.",
         .spyQuestion = nullptr,
         .refusalTitle = "Reply about Polpak-T",
         .refusal = "Dear Sir,\r\n\r\nI regret to inform you that at present we do not have the technical means to "
                    "install a Polpak-T broadband Internet connection at this location.\r\n\r\n  "},
    }},
    .spyReportTitle = "Disconnecting a subscriber",
    .raiseTitle = "Pay rise",
    .raiseNote = "As employees of the best telecommunications company in the world we demand a pay rise!",
    .praiseTitle = "Greetings to the company",
    .insultTitle = "Abuse",
    .qualityUpTitle = "Line quality",
    .qualityUpNote =
        "Lately many of our subscribers have been complaining about the quality of our Internet lines, "
        "dropped connections, transfer speeds and so on. Do you want to upgrade the equipment?",
    .qualityDownTitle = "Abuse",
    .qualityDownNote =
        "True, our subscribers are happy with the quality of our lines, but keeping them up costs "
        "a great deal of money. Do you want to cut the equipment upkeep?",
    .exchangeTitle = "Telephone exchange",
    .exchangeNote = "One of our exchanges is very old and slow. Do you want to modernise it?",
    .branchTitle = "New branch",
    .branchNote =
        "Zbyszek and I have had the idea of opening a new branch of our company. Do we have your "
        "permission?",
    .idleExchangeTitle = "Unneeded exchange",
    .idleExchangeNote = "One of our exchanges is hardly ever used and practically unneeded. Do you want to close it?",
    .highCostTitle = "High costs",
    .highCostNote =
        "Running modern equipment and modernising the old is very expensive. Do you want to cut the "
        "equipment budget?",
    .disconnectTitle = "Disconnecting a subscriber",
    .disconnectQuestions =
        {
            "Are you sure you want to cut this subscriber's telephone line?",
            "Are you sure you want to cut this subscriber's ISDN line?",
            "Are you sure you want to cut this subscriber's permanent SDI line?",
            "Are you sure you want to cut this subscriber's Neostrada?",
            "Are you sure you want to cut this company's permanent Polpak-T line?!",
            "Are you sure you want to remove this phone booth?",
        },
    .boothTitle = "Putting up a booth",
    .boothQuestion = "Are you sure you want to put up a phone booth in this part of town?",
    .welcomeTitle = "Welcome!",
    .welcomeBody =
        "Welcome to the economic game \"Dzwonex S.A.\".\r\n\r\n"
        "Lead your local branch of this wonderful company straight down the road of economic growth, "
        "and never mind what others say about your company...\r\n\r\n"
        "Have fun playing, wishes...\r\n\r\n"
        "  Skryptor",
    .milestones = {{
        {"A hundred ISDN lines", "100 ISDN subscribers."},
        {"A hundred SDI lines", "100 SDI subscribers."},
        {"A hundred Neostrada lines", "100 Neostrada subscribers."},
        {"Ten Polpak-T lines", "10 Polpak-T subscribers."},
        {"Two thousand phones", "2,000 phone subscribers."},
        {"Ten new booths", "10 phone booths more than at the start of the game."},
        {"The full range", "50 subscribers each of phone, ISDN, SDI, Neostrada and Polpak-T."},
        {"The first million", "PLN 1,000,000 in cash."},
        {"A hundred million", "PLN 100,000,000 in cash."},
        {"A month in profit", "30 days in a row with the income above the expenses."},
        {"A year without debt", "360 days in a row without debt at the end of the day."},
        {"Out of debt", "Cash back above zero after at least 30 days of debt."},
        {"Six months of good opinion", "Opinion of 5 or more for 180 days in a row."},
        {"The town's favourite", "Opinion of 50."},
        {"Modern equipment", "Quality of 20."},
        {"A clean inbox", "Every case dealt with on the last day of a month."},
        {"A good company", "A company rating of 700."},
        {"A model company", "A company rating of 900."},
        {"Five years in office", "Five years of play."},
    }},
    .speedLine = "Game speed: {}",
    .dateLine = "Year: {}  Month: {}  Day: {}",
    .casesTab = "Cases ({})",
};

}  // namespace

const TextCatalogue& EnglishTexts() { return kEnglish; }

}  // namespace dzwonex
