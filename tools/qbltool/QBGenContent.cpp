#include "QBGenContent.h"

#include "model/QBMessageTypes.h"
#include "model/QBTimeStamp.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <iterator>
#include <string>

namespace qbgen {
namespace {

struct TApp {
  const char* Name;
  const char* Computer;
  uint32_t ProcessID;
  int32_t Bias;
};
const TApp kApps[] = {
    {"OrderService", "BUILD-SRV-01", 4120, -60},
    {"Billing.exe", "BUILD-SRV-01", 5332, -60},
    {"Scheduler", "WS-ANNA", 2210, 300},
    {"Kassensystem Café", "WS-ANNA", 7788, -120},
};

const char* const kThreads[] = {"Main", "Worker-1", "Worker-2", "IO Completion"};

struct TCategory {
  const char* Name;
  int32_t Color;
  int32_t FontColor;
};
// A message without a category carries the system window colour, so its row keeps the normal background.
constexpr int32_t clWindow = static_cast<int32_t>(0xFF000005u);
const TCategory kCategories[] = {
    {"", clWindow, clWindowText},
    {"Database", 0x00E0F0FF, 0x00000080},
    {"Network", 0x00FFE0C0, 0x00800000},
    {"UI", 0x00D0FFD0, 0x00006000},
    {"Security", 0x00C0C0FF, 0x00000000},
};

const char* const kMethods[] = {
    "OrderService::ProcessOrder", "OrderService::ValidateCustomer", "Billing::CreateInvoice",
    "Billing::ApplyDiscounts",    "Repository::Load",               "Repository::Save",
    "HttpClient::Post",           "Scheduler::RunJob",              "Cache::Refresh",
    "Report::Render",
};

// Every info format takes a serial number and a small number, in that order.
const char* const kInfoTexts[] = {
    "Processing order %lld for customer %u", "Request %lld completed in %u ms",
    "Batch %lld loaded %u rows from table Orders", "Cache refresh %lld: hit ratio %u per mille",
    "Session %lld: user %u signed in", "Job %lld queued with priority %u",
};

// Details texts in the forms their inspectors read.
const char kObjectDetails[] =
    "Name='btnSubmit'\nCaption=Submit\nEnabled=True\nFont=(TFont)\n  Name=Tahoma\n  Size=8\n  Style=[fsBold]\n"
    "Left=16\nTop=240\nWidth=75\nHeight=25";
const char kPropertiesDetails[] =
    "Server=db-main\nPort=5432\nPool\n  Size=20\n  Idle=4\nTimeout=30";
const char kSysInfoDetails[] =
    "Operating System=Linux 6.1\nProcessors=8\nMemory\n  Total=16384 MB\n  Free=5120 MB\nUser Name=anna";
const char kVerInfoDetails[] =
    "CompanyName=Tolvane\nFileVersion=4.0.2.118\nProductName=Order Suite\nLegalCopyright=(c) 2024";
const char kMemStatusDetails[] =
    "Memory Load=42\nTotal Physical=17179869184\nAvailable Physical=5368709120\nTotal Page File=25769803776";
const char kTableDetails[] =
    "Id\tCustomer\tAmount\tStatus\n1001\tAcme Ltd\t1250.00\tPaid\n1002\tGlobex\t310.50\tOpen\n"
    "1003\tInitech\t99.99\tOverdue\n1004\tUmbrella\t4000.00\tPaid";
const char kCollectionDetails[] =
    "Item 0|Caption=\"Hello World\";Width=10;Visible=True\nItem 1|Caption=Cancel;Width=75\n"
    "Item 2|Caption=Help;Width=75;Hint=Opens the help";
const char kHierarchyDetails[] =
    "Application\n\tMain Window\n\t\tMenu Bar\n\t\tTool Bar\n\t\tStatus Bar\n\tOptions Dialog\n\t\tGeneral\n"
    "Services\n\tBilling";
const char kStringListDetails[] = "alpha\nbeta\ngamma\ndelta\nepsilon";
const char kTextFileDetails[] =
    "[Database]\nServer=db-main\nPort=5432\n\n[Logging]\nLevel=Debug\nPath=/var/log/orders";
const char kXmlDetails[] =
    "<?xml version=\"1.0\"?>\n<order id=\"1001\">\n  <customer>Acme Ltd</customer>\n  <amount>1250.00</amount>\n"
    "</order>";
const char kStackDetails[] =
    "#0 Repository::Save() repository.cpp:212\n#1 OrderService::ProcessOrder() orders.cpp:88\n"
    "#2 Worker::Run() worker.cpp:40";
const char kCompDetails[] = "object btnSubmit: TButton\n  Left = 16\n  Top = 240\n  Caption = 'Submit'\nend";
const char kMemoryDetails[] =
    "0000: 51 42 4C 00 01 00 00 7F 2A 00 00 00 10 27 00 00  QBL.....*....'..\n"
    "0010: 48 65 6C 6C 6F 20 57 6F 72 6C 64 00 00 00 00 00  Hello World.....";
const char kWindowDetails[] = "Handle=0x00040A1C\nClass=MainWindow\nCaption=Orders\nVisible=True\nBounds\n  Left=0\n  Top=0";
const char* const kColorDetails[] = {"255\n128\n0\n255", "0\n120\n215", "300\n0\n0\n128"};
const char kCustomDetails[] = "payload=7F 00 12 AB\nchannel=telemetry";

// A 16 by 12 24-bit BMP with a diagonal gradient, as hexadecimal text.
std::string MakeBitmapHex() {
  constexpr int w = 16, h = 12, rowBytes = (w * 3 + 3) & ~3, pixels = rowBytes * h;
  unsigned char bmp[54 + pixels] = {};
  auto put32 = [&](int at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp[at + i] = uint8_t(v >> (8 * i));
  };
  bmp[0] = 'B', bmp[1] = 'M';
  put32(2, sizeof bmp);
  put32(10, 54);
  put32(14, 40);
  put32(18, w);
  put32(22, h);
  bmp[26] = 1, bmp[28] = 24;
  put32(34, pixels);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      unsigned char* p = bmp + 54 + y * rowBytes + x * 3;
      p[0] = uint8_t(x * 16), p[1] = uint8_t(y * 20), p[2] = uint8_t(255 - x * 8);
    }
  static const char kHex[] = "0123456789ABCDEF";
  std::string hex;
  for (unsigned char b : bmp) hex += kHex[b >> 4], hex += kHex[b & 15];
  return hex;
}

// Relative weights of the types a running application logs (method entries and exits come apart).
struct TWeight {
  int32_t Type;
  uint32_t Weight;
};
const TWeight kWeights[] = {
    {qbmInfo, 4500},        {qbmWarning, 400},         {qbmError, 200},           {qbmCheckPoint, 100},
    {qbmObject, 60},        {qbmComponentAsText, 30},  {qbmStringList, 60},       {qbmProperty, 60},
    {qbmNote, 40},          {qbmSeparator, 15},        {qbmInactiveSeparator, 10}, {qbmResetSeparator, 5},
    {qbmClear, 3},          {qbmScratchPad, 3},        {qbmSaveLog, 3},           {qbmBitmap, 10},
    {qbmTextFile, 30},      {qbmWindow, 30},           {qbmMemory, 30},           {qbmMemoryStatus, 30},
    {qbmCustomText, 30},    {qbmCustomProperties, 60}, {qbmReminder, 30},         {qbmLevel1, 40},
    {qbmLevel2, 40},        {qbmLevel3, 40},           {qbmLevel4, 40},           {qbmLevel5, 40},
    {qbmLevel6, 40},        {qbmLevel7, 40},           {qbmColor, 30},            {qbmRegistry, 30},
    {qbmSystemInfo, 20},    {qbmVersionInfo, 20},      {qbmXmlData, 30},          {qbmStackTrace, 30},
    {qbmException, 30},     {qbmCustomTable, 60},      {qbmCollection, 30},       {qbmCustomHierarchy, 30},
    {150, 40},              {151, 20},                 {1005, 20},                {33002, 10},
    {qbmEnterMethod, 1800}, {qbmExitMethod, 1800},
};

TQBTextBytes Bytes(const char* text) { return {text, int64_t(std::strlen(text)), TQBTextEncoding::Utf8}; }
TQBTextBytes Bytes(const std::string& text) { return {text.data(), int64_t(text.size()), TQBTextEncoding::Utf8}; }

}  // namespace

TContentGenerator::TContentGenerator(uint64_t seed, const TGenShape& shape)
    : FRandom(seed), FDate(qbtime::DayOf(QDate(2024, 3, 4))), FTime(8 * 3600 * 1000), FBitmapHex(MakeBitmapHex()) {
  BuildShape(shape);
  FAppStarted.assign(FApps.size(), false);
}

// The first names are the built-in ones, so a log of the default shape stays the same file; further
// ones are numbered.
void TContentGenerator::BuildShape(const TGenShape& shape) {
  const int apps = shape.Apps > 0 ? shape.Apps : int(std::size(kApps));
  for (int i = 0; i < apps; ++i) {
    const TApp& model = kApps[size_t(i) % std::size(kApps)];
    FApps.push_back({i < int(std::size(kApps)) ? model.Name : "Service-" + std::to_string(i + 1), model.Computer,
                     model.Bias});
  }
  const int processes = std::max(shape.Processes, apps);
  for (int p = 0; p < processes; ++p)
    FProcessIDs.push_back(p < int(std::size(kApps)) ? kApps[size_t(p)].ProcessID : 10000u + 4u * uint32_t(p));
  const int threads = shape.Threads > 0 ? shape.Threads : int(std::size(kThreads));
  for (int t = 0; t < threads; ++t)
    FThreads.push_back(t < int(std::size(kThreads)) ? kThreads[size_t(t)] : "Worker-" + std::to_string(t - 1));
  const int categories = shape.Categories > 0 ? shape.Categories : int(std::size(kCategories));
  for (int c = 0; c < categories; ++c) {
    if (c < int(std::size(kCategories))) {
      FCategories.push_back({kCategories[size_t(c)].Name, kCategories[size_t(c)].Color, kCategories[size_t(c)].FontColor});
      continue;
    }
    const TCategory& model = kCategories[1 + size_t(c) % (std::size(kCategories) - 1)];
    FCategories.push_back({"Category " + std::to_string(c), model.Color, model.FontColor});
  }
}

int32_t TContentGenerator::PickType() {
  static const uint32_t total = [] {
    uint32_t sum = 0;
    for (const TWeight& w : kWeights) sum += w.Weight;
    return sum;
  }();
  uint32_t pick = FRandom.Below(total);
  for (const TWeight& w : kWeights) {
    if (pick < w.Weight) return w.Type;
    pick -= w.Weight;
  }
  return qbmInfo;
}

// Mostly a few milliseconds apart; now and then a pause of seconds, rarely of many minutes.
void TContentGenerator::AdvanceClock() {
  int64_t step = FRandom.Below(12);
  if (FRandom.Chance(2)) step += 1000 + FRandom.Below(120000);
  else if (FRandom.Below(10000) == 0) step += 600000 + FRandom.Below(3000000);
  int64_t t = FTime + step;
  while (t >= qbtime::MsPerDay) t -= qbtime::MsPerDay, ++FDate;
  FTime = int32_t(t);
}

void TContentGenerator::SetText(TQBRawMessage& msg, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(FText, sizeof FText, format, args);
  va_end(args);
  msg.MsgText = {FText, n < 0 ? 0 : std::min<int64_t>(n, sizeof FText - 1), TQBTextEncoding::Utf8};
}

void TContentGenerator::FillMethod(TQBRawMessage& msg, bool enter) {
  int method;
  if (enter) {
    method = int(FRandom.Below(std::size(kMethods)));
    FStack.push_back(method);
  } else if (FStack.empty()) {
    method = int(FRandom.Below(std::size(kMethods)));  // a stray exit with no entry before it
  } else {
    method = FStack.back();
    FStack.pop_back();
    // Now and then an exit asks the viewer to collapse the method it closes.
    if (FRandom.Chance(100)) msg.MsgType = qbmExitMethodCollapse;
  }
  msg.MsgText = Bytes(kMethods[method]);
}

void TContentGenerator::FillText(TQBRawMessage& msg, int32_t type) {
  const TAppInfo& app = FApps[size_t(FApp)];
  switch (type) {
    case qbmInfo:
      SetText(msg, kInfoTexts[FRandom.Below(std::size(kInfoTexts))], (long long)FSerial, FRandom.Below(1000));
      break;
    case qbmWarning:
      SetText(msg, "Slow response from %s: %u ms", app.Computer.c_str(), 500 + FRandom.Below(5000));
      break;
    case qbmError: SetText(msg, "Order %lld rejected: credit limit exceeded", (long long)FSerial); break;
    case qbmCheckPoint: SetText(msg, "Checkpoint %u", FRandom.Below(50)); break;
    case qbmObject: SetText(msg, "btnSubmit"); msg.Details = Bytes(kObjectDetails); msg.TypeName = Bytes("TButton"); break;
    case qbmComponentAsText: SetText(msg, "btnSubmit as text"); msg.Details = Bytes(kCompDetails); break;
    case qbmStringList: SetText(msg, "Search path"); msg.Details = Bytes(kStringListDetails); break;
    case qbmProperty: SetText(msg, "RetryCount = %u", FRandom.Below(10)); break;
    case qbmSeparator: SetText(msg, "-"); break;
    case qbmInactiveSeparator: SetText(msg, "inactive"); break;
    // The open methods stay open: their exits come later, as in a real log where someone marked a
    // point of interest, so nesting stays bounded across the whole file.
    case qbmResetSeparator: SetText(msg, "="); break;
    case qbmBitmap:
      SetText(msg, "Toolbar glyph");
      msg.Details = {FBitmapHex.data(), int64_t(FBitmapHex.size()), TQBTextEncoding::Utf8};
      break;
    case qbmTextFile: SetText(msg, "orders.ini"); msg.Details = Bytes(kTextFileDetails); break;
    case qbmWindow: SetText(msg, "Main window"); msg.Details = Bytes(kWindowDetails); break;
    case qbmMemory: SetText(msg, "Buffer at 0x7F3A2000"); msg.Details = Bytes(kMemoryDetails); break;
    case qbmMemoryStatus: SetText(msg, "Memory status"); msg.Details = Bytes(kMemStatusDetails); break;
    case qbmCustomText: SetText(msg, "Release notes"); msg.Details = Bytes(kTextFileDetails); break;
    case qbmCustomProperties:
    case qbmRegistry: SetText(msg, "Connection settings"); msg.Details = Bytes(kPropertiesDetails); break;
    case qbmSystemInfo: SetText(msg, "System information"); msg.Details = Bytes(kSysInfoDetails); break;
    case qbmVersionInfo: SetText(msg, "Version information"); msg.Details = Bytes(kVerInfoDetails); break;
    case qbmColor: SetText(msg, "Highlight colour"); msg.Details = Bytes(kColorDetails[FRandom.Below(3)]); break;
    case qbmXmlData: SetText(msg, "Order document"); msg.Details = Bytes(kXmlDetails); break;
    case qbmStackTrace: SetText(msg, "Stack trace"); msg.Details = Bytes(kStackDetails); break;
    case qbmException:
      SetText(msg, "Division by zero in order %lld", (long long)FSerial);
      msg.Details = Bytes(kStackDetails);
      msg.TypeName = Bytes("EZeroDivide");
      break;
    case qbmCustomTable: SetText(msg, "Open invoices"); msg.Details = Bytes(kTableDetails); break;
    case qbmCollection: SetText(msg, "Toolbar buttons"); msg.Details = Bytes(kCollectionDetails); break;
    case qbmCustomHierarchy: SetText(msg, "Window tree"); msg.Details = Bytes(kHierarchyDetails); break;
    default:
      if (qbtypes::IsCustom(type)) {
        SetText(msg, "Telemetry sample %lld", (long long)FSerial);
        msg.Details = Bytes(kCustomDetails);
        msg.TypeName = Bytes("TTelemetry");
      } else if (qbtypes::IsColourLevel(type)) {
        SetText(msg, "Level %d: queue length %u", int(type - qbmLevel1 + 1), FRandom.Below(1000));
      } else {
        SetText(msg, "%s", qbtypes::ShortName(type).toLatin1().constData());
      }
  }
}

void TContentGenerator::Next(TQBRawMessage& msg) {
  ++FSerial;
  AdvanceClock();
  // Applications, threads and categories change in runs, as real interleaved logs do.
  if (FRandom.Chance(20)) {
    FProcess = int(FRandom.Below(uint32_t(FProcessIDs.size())));
    FApp = FProcess % int(FApps.size());
  }
  if (FRandom.Chance(50)) FThread = int(FRandom.Below(uint32_t(FThreads.size())));
  if (FRandom.Chance(100)) FCategory = int(FRandom.Below(uint32_t(FCategories.size())));

  msg = TQBRawMessage{};
  msg.Date = FDate;
  msg.Time = FTime;
  const TAppInfo& app = FApps[size_t(FApp)];
  msg.TimeBias = app.Bias;
  msg.ProcessID = FProcessIDs[size_t(FProcess)];
  msg.ThreadName = Bytes(FThreads[size_t(FThread)]);
  msg.ComputerName = Bytes(app.Computer);
  msg.AppName = Bytes(app.Name);
  const TCategoryInfo& category = FCategories[size_t(FCategory)];
  msg.Category = Bytes(category.Name);
  msg.CategoryColor = category.Color;
  msg.CategoryFontColor = category.FontColor;

  if (!FAppStarted[FApp]) {
    FAppStarted[FApp] = true;
    msg.MsgType = qbmAppStartSeparator;
    SetText(msg, "%s started", app.Name.c_str());
    return;
  }
  int32_t type = PickType();
  // Keep nesting realistic: no deeper than 12, and exits mostly close what was entered.
  if (type == qbmEnterMethod && FStack.size() >= 12) type = qbmExitMethod;
  if (type == qbmExitMethod && FStack.empty() && !FRandom.Chance(20)) type = qbmInfo;
  msg.MsgType = type;
  if (type == qbmEnterMethod || type == qbmExitMethod) FillMethod(msg, type == qbmEnterMethod);
  else FillText(msg, type);
}

}  // namespace qbgen
