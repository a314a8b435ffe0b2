/* A console tool for the end-to-end tests: run under Wine beside the program, it finds the
 * program's windows and reads them back the way a user would see them.
 *
 *   winprobe list                    visible top-level windows: handle, class, title, rect
 *   winprobe wait TITLE SECONDS      waits for a visible window titled TITLE; exit 1 if none
 *   winprobe gone TITLE SECONDS      waits until no visible window is titled TITLE
 *   winprobe texts TITLE             the window's visible children: class, rect and text
 *   winprobe click TITLE CAPTION     presses the child button whose text is CAPTION
 *   winprobe watch SECONDS           prints "ready", then every window that appears
 *   winprobe shortcut LNK            what the shell link file LNK starts, read through the
 *                                    shell's own IShellLink: target, arguments, folder, icon
 *   winprobe version FILE            FILE's version record as Windows reads it: the fixed
 *                                    file and product versions, then the texts
 *   winprobe icons FILE              the images of FILE's first icon (the one Explorer
 *                                    shows): width, height and bits per pixel
 *   winprobe manifest FILE           FILE's application manifest (resource 1), as it is
 *   winprobe windowicon TITLE        "none" when the window has no icon of its own or of its
 *                                    class, else which it has
 *   winprobe focus TITLE             the control with the keyboard focus in the window's
 *                                    thread, as "texts" prints it ("none" when none has it)
 *   winprobe extent FACE POINTS WEIGHT WIDTH TEXT
 *                                    the pixels TEXT needs in the font FACE at POINTS and
 *                                    WEIGHT (bold or regular) at 96 dpi, as "width height":
 *                                    on one line when WIDTH is 0, else wrapped at word
 *                                    boundaries within WIDTH pixels and centred
 *   winprobe resources EXE_NAME      the process's private bytes, working set, GDI and USER
 *                                    object counts (as the system reports them) and windows
 *
 * Texts are printed as UTF-8, with CR, LF, tab and backslash escaped as \r, \n, \t and \\,
 * one item per line, so that shell tests compare them exactly. */
#define COBJMACROS
#include <windows.h>
#include <shlobj.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define TEXT_CAPACITY 4096
#define MAX_WINDOWS 512

static void PrintEscaped(const char* text) {
  for (const char* c = text; *c != '\0'; ++c) {
    switch (*c) {
      case '\r': fputs("\\r", stdout); break;
      case '\n': fputs("\\n", stdout); break;
      case '\t': fputs("\\t", stdout); break;
      case '\\': fputs("\\\\", stdout); break;
      default: putchar(*c);
    }
  }
}

/* The window's text as UTF-8, read wide, so that letters of any script come through. */
static void TextOf(HWND window, char* text) {
  WCHAR wide[TEXT_CAPACITY];
  wide[0] = L'\0';
  SendMessageTimeoutW(window, WM_GETTEXT, TEXT_CAPACITY, (LPARAM)wide, SMTO_ABORTIFHUNG, 2000,
                      NULL);
  wide[TEXT_CAPACITY - 1] = L'\0';
  if (WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, TEXT_CAPACITY, NULL, NULL) == 0) {
    text[TEXT_CAPACITY - 1] = '\0';
  }
}

static void PrintWindowLine(const char* prefix, HWND window) {
  char class_name[256];
  char text[TEXT_CAPACITY];
  RECT rect;
  GetClassNameA(window, class_name, sizeof class_name);
  GetWindowRect(window, &rect);
  TextOf(window, text);
  printf("%s%p\t%s\t%ld %ld %ld %ld\t", prefix, (void*)window, class_name, rect.left, rect.top,
         rect.right, rect.bottom);
  PrintEscaped(text);
  putchar('\n');
}

typedef struct {
  HWND windows[MAX_WINDOWS];
  int count;
} WindowList;

static BOOL CALLBACK CollectVisible(HWND window, LPARAM list_address) {
  WindowList* list = (WindowList*)list_address;
  if (IsWindowVisible(window) && list->count < MAX_WINDOWS) list->windows[list->count++] = window;
  return TRUE;
}

static void VisibleTopLevel(WindowList* list) {
  list->count = 0;
  EnumWindows(CollectVisible, (LPARAM)list);
}

static HWND FindVisibleTitled(const char* title) {
  WindowList list;
  char text[TEXT_CAPACITY];
  VisibleTopLevel(&list);
  for (int i = 0; i < list.count; ++i) {
    TextOf(list.windows[i], text);
    if (strcmp(text, title) == 0) return list.windows[i];
  }
  return NULL;
}

/* Polls every 50 ms until the window's presence is as wanted or the time is up. */
static int WaitFor(const char* title, double seconds, BOOL want_present) {
  const DWORD deadline = GetTickCount() + (DWORD)(seconds * 1000);
  for (;;) {
    HWND window = FindVisibleTitled(title);
    if ((window != NULL) == want_present) {
      if (window != NULL) printf("%p\n", (void*)window);
      return 0;
    }
    if ((LONG)(GetTickCount() - deadline) >= 0) return 1;
    Sleep(50);
  }
}

static BOOL CALLBACK PrintVisibleChild(HWND child, LPARAM unused) {
  (void)unused;
  if (IsWindowVisible(child)) PrintWindowLine("", child);
  return TRUE;
}

typedef struct {
  const char* caption;
  HWND found;
} ButtonSearch;

static BOOL CALLBACK MatchButton(HWND child, LPARAM search_address) {
  ButtonSearch* search = (ButtonSearch*)search_address;
  char class_name[256];
  char text[TEXT_CAPACITY];
  GetClassNameA(child, class_name, sizeof class_name);
  TextOf(child, text);
  if (_stricmp(class_name, "Button") == 0 && strcmp(text, search->caption) == 0) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

static BOOL Contains(const WindowList* list, HWND window) {
  for (int i = 0; i < list->count; ++i)
    if (list->windows[i] == window) return TRUE;
  return FALSE;
}

static int Watch(double seconds) {
  WindowList seen;
  WindowList now;
  VisibleTopLevel(&seen);
  puts("ready");
  fflush(stdout);
  const DWORD deadline = GetTickCount() + (DWORD)(seconds * 1000);
  while ((LONG)(GetTickCount() - deadline) < 0) {
    VisibleTopLevel(&now);
    for (int i = 0; i < now.count; ++i) {
      if (Contains(&seen, now.windows[i]) || seen.count >= MAX_WINDOWS) continue;
      seen.windows[seen.count++] = now.windows[i];
      PrintWindowLine("new\t", now.windows[i]);
      fflush(stdout);
    }
    Sleep(20);
  }
  return 0;
}

/* Prints "target", "arguments", "folder" and "icon" (file and index), each with a tab and its value, one a line. */
static int Shortcut(const char* path) {
  IShellLinkA* link = NULL;
  IPersistFile* file = NULL;
  WCHAR wide_path[MAX_PATH];
  char text[TEXT_CAPACITY];
  int result = 1;
  CoInitialize(NULL);
  MultiByteToWideChar(CP_ACP, 0, path, -1, wide_path, MAX_PATH);
  if (SUCCEEDED(CoCreateInstance(&CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, &IID_IShellLinkA,
                                 (void**)&link)) &&
      SUCCEEDED(IShellLinkA_QueryInterface(link, &IID_IPersistFile, (void**)&file)) &&
      SUCCEEDED(IPersistFile_Load(file, wide_path, STGM_READ))) {
    IShellLinkA_GetPath(link, text, MAX_PATH, NULL, SLGP_RAWPATH);
    fputs("target\t", stdout);
    PrintEscaped(text);
    IShellLinkA_GetArguments(link, text, TEXT_CAPACITY);
    fputs("\narguments\t", stdout);
    PrintEscaped(text);
    IShellLinkA_GetWorkingDirectory(link, text, MAX_PATH);
    fputs("\nfolder\t", stdout);
    PrintEscaped(text);
    int icon_index = 0;
    IShellLinkA_GetIconLocation(link, text, MAX_PATH, &icon_index);
    fputs("\nicon\t", stdout);
    PrintEscaped(text);
    printf(",%d\n", icon_index);
    result = 0;
  } else {
    fprintf(stderr, "winprobe: cannot read the shortcut \"%s\"\n", path);
  }
  if (file != NULL) IPersistFile_Release(file);
  if (link != NULL) IShellLinkA_Release(link);
  CoUninitialize();
  return result;
}

/* One line a field: the two fixed versions as four numbers, then the texts of the record's
 * first translation, each name with a tab and its value. */
static int PrintVersion(const char* path) {
  static const char* const kNames[] = {"ProductName", "ProductVersion", "FileVersion", "CompanyName",
                                       "LegalCopyright", "FileDescription"};
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  void* record = size == 0 ? NULL : malloc(size);
  VS_FIXEDFILEINFO* fixed = NULL;
  WORD* translation = NULL;
  UINT length = 0;
  if (record == NULL || !GetFileVersionInfoA(path, 0, size, record) ||
      !VerQueryValueA(record, "\\", (void**)&fixed, &length) ||
      !VerQueryValueA(record, "\\VarFileInfo\\Translation", (void**)&translation, &length)) {
    fprintf(stderr, "winprobe: no version record in \"%s\"\n", path);
    free(record);
    return 1;
  }
  printf("fixed file version\t%u.%u.%u.%u\n", HIWORD(fixed->dwFileVersionMS),
         LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS));
  printf("fixed product version\t%u.%u.%u.%u\n", HIWORD(fixed->dwProductVersionMS),
         LOWORD(fixed->dwProductVersionMS), HIWORD(fixed->dwProductVersionLS),
         LOWORD(fixed->dwProductVersionLS));
  for (size_t i = 0; i < sizeof kNames / sizeof kNames[0]; ++i) {
    char query[128];
    char* value = NULL;
    snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1],
             kNames[i]);
    printf("%s\t", kNames[i]);
    if (VerQueryValueA(record, query, (void**)&value, &length) && length > 0) PrintEscaped(value);
    putchar('\n');
  }
  free(record);
  return 0;
}

static BOOL CALLBACK FirstResourceName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR found) {
  (void)module;
  (void)type;
  *(LPSTR*)found = name;
  return FALSE;
}

/* The entries of the first icon group, as Explorer picks it: "WIDTHxHEIGHT BITS" a line
 * (a width or height of 0 in the group means 256). */
static int PrintIcons(const char* path) {
  HMODULE module = LoadLibraryExA(path, NULL, LOAD_LIBRARY_AS_DATAFILE);
  LPSTR name = NULL;
  if (module != NULL) EnumResourceNamesA(module, (LPCSTR)RT_GROUP_ICON, FirstResourceName, (LONG_PTR)&name);
  HRSRC resource = name == NULL ? NULL : FindResourceA(module, name, (LPCSTR)RT_GROUP_ICON);
  const BYTE* group = resource == NULL ? NULL : (const BYTE*)LockResource(LoadResource(module, resource));
  if (group == NULL) {
    fprintf(stderr, "winprobe: no icon in \"%s\"\n", path);
    if (module != NULL) FreeLibrary(module);
    return 1;
  }
  /* A 6-byte header whose last word is the count, then 14-byte entries: width, height,
   * colours, reserved (a byte each), planes, bits per pixel (a word each), size, id. */
  const int count = group[4] | group[5] << 8;
  for (int i = 0; i < count; ++i) {
    const BYTE* entry = group + 6 + 14 * i;
    printf("%dx%d %d\n", entry[0] == 0 ? 256 : entry[0], entry[1] == 0 ? 256 : entry[1],
           entry[6] | entry[7] << 8);
  }
  FreeLibrary(module);
  return 0;
}

static int PrintManifest(const char* path) {
  HMODULE module = LoadLibraryExA(path, NULL, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC resource = module == NULL ? NULL : FindResourceA(module, MAKEINTRESOURCEA(1), (LPCSTR)RT_MANIFEST);
  const char* text = resource == NULL ? NULL : (const char*)LockResource(LoadResource(module, resource));
  if (text == NULL) {
    fprintf(stderr, "winprobe: no manifest in \"%s\"\n", path);
    if (module != NULL) FreeLibrary(module);
    return 1;
  }
  fwrite(text, 1, SizeofResource(module, resource), stdout);
  FreeLibrary(module);
  return 0;
}

static int Usage(void) {
  fputs("usage: winprobe list | wait TITLE SECONDS | gone TITLE SECONDS | texts TITLE |"
        " click TITLE CAPTION | watch SECONDS | shortcut LNK | version FILE |"
        " icons FILE | manifest FILE | windowicon TITLE | focus TITLE |"
        " extent FACE POINTS WEIGHT WIDTH TEXT\n",
        stderr);
  return 2;
}

/* What another program's thread has focused is read from its GUI thread information. */
static int PrintFocus(HWND window) {
  GUITHREADINFO info;
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, NULL), &info) || info.hwndFocus == NULL) {
    puts("none");
  } else {
    PrintWindowLine("", info.hwndFocus);
  }
  return 0;
}

/* Measures as a label draws: the font made the way the program makes it (the character
 * height rounded from the points at 96 dpi), the text through DrawText. */
static int PrintExtent(const char* face, double points, const char* weight, int width, const char* text) {
  HDC screen = GetDC(NULL);
  HFONT font = CreateFontA(-(int)(points * 96 / 72 + 0.5), 0, 0, 0,
                           strcmp(weight, "bold") == 0 ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, face);
  HGDIOBJ previous = SelectObject(screen, font);
  RECT area = {0, 0, width, 0};
  DrawTextA(screen, text, -1, &area, DT_CALCRECT | DT_EXPANDTABS | (width > 0 ? DT_WORDBREAK | DT_CENTER | DT_VCENTER : DT_SINGLELINE));
  SelectObject(screen, previous);
  DeleteObject(font);
  ReleaseDC(NULL, screen);
  printf("%ld %ld\n", area.right - area.left, area.bottom - area.top);
  return 0;
}

/* The first running process whose executable is named `name`, or 0. */
static DWORD ProcessNamed(const char* name) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry;
  ZeroMemory(&entry, sizeof entry);
  entry.dwSize = sizeof entry;
  DWORD found = 0;
  for (BOOL more = Process32First(snapshot, &entry); more && found == 0;
       more = Process32Next(snapshot, &entry)) {
    if (_stricmp(entry.szExeFile, name) == 0) found = entry.th32ProcessID;
  }
  CloseHandle(snapshot);
  return found;
}

typedef struct {
  DWORD process;
  int count;
} WindowCount;

static BOOL CALLBACK CountChild(HWND window, LPARAM count) {
  (void)window;
  ++((WindowCount*)count)->count;
  return TRUE;
}

static BOOL CALLBACK CountProcessWindows(HWND window, LPARAM count) {
  WindowCount* windows = (WindowCount*)count;
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == windows->process) {
    ++windows->count;
    EnumChildWindows(window, CountChild, count);
  }
  return TRUE;
}

static int PrintResources(const char* name) {
  const DWORD id = ProcessNamed(name);
  HANDLE process = id == 0 ? NULL : OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
  if (process == NULL) {
    fprintf(stderr, "winprobe: no process \"%s\"\n", name);
    return 1;
  }
  PROCESS_MEMORY_COUNTERS_EX memory;
  ZeroMemory(&memory, sizeof memory);
  memory.cb = sizeof memory;
  K32GetProcessMemoryInfo(process, (PROCESS_MEMORY_COUNTERS*)&memory, sizeof memory);
  WindowCount windows = {id, 0};
  EnumWindows(CountProcessWindows, (LPARAM)&windows);
  printf("private_bytes %lu working_set %lu gdi_objects %lu user_objects %lu windows %d\n",
         (unsigned long)memory.PrivateUsage, (unsigned long)memory.WorkingSetSize,
         GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS),
         windows.count);
  CloseHandle(process);
  return 0;
}

static HWND RequireWindow(const char* title) {
  HWND window = FindVisibleTitled(title);
  if (window == NULL) fprintf(stderr, "winprobe: no visible window titled \"%s\"\n", title);
  return window;
}

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const char* command = argv[1];
  if (strcmp(command, "list") == 0) {
    WindowList list;
    VisibleTopLevel(&list);
    for (int i = 0; i < list.count; ++i) PrintWindowLine("", list.windows[i]);
    return 0;
  }
  if (strcmp(command, "watch") == 0 && argc == 3) return Watch(atof(argv[2]));
  if ((strcmp(command, "wait") == 0 || strcmp(command, "gone") == 0) && argc == 4)
    return WaitFor(argv[2], atof(argv[3]), strcmp(command, "wait") == 0);
  if (strcmp(command, "extent") == 0 && argc == 7)
    return PrintExtent(argv[2], atof(argv[3]), argv[4], atoi(argv[5]), argv[6]);
  if (argc < 3) return Usage();
  if (strcmp(command, "shortcut") == 0 && argc == 3) return Shortcut(argv[2]);
  if (strcmp(command, "resources") == 0 && argc == 3) return PrintResources(argv[2]);
  if (strcmp(command, "version") == 0 && argc == 3) return PrintVersion(argv[2]);
  if (strcmp(command, "icons") == 0 && argc == 3) return PrintIcons(argv[2]);
  if (strcmp(command, "manifest") == 0 && argc == 3) return PrintManifest(argv[2]);

  HWND window = RequireWindow(argv[2]);
  if (window == NULL) return 1;
  if (strcmp(command, "texts") == 0 && argc == 3) {
    EnumChildWindows(window, PrintVisibleChild, 0);
    return 0;
  }
  if (strcmp(command, "focus") == 0 && argc == 3) return PrintFocus(window);
  if (strcmp(command, "windowicon") == 0 && argc == 3) {
    const int big = SendMessageA(window, WM_GETICON, ICON_BIG, 0) != 0;
    const int small = SendMessageA(window, WM_GETICON, ICON_SMALL, 0) != 0;
    const int class_big = GetClassLongPtrA(window, GCLP_HICON) != 0;
    const int class_small = GetClassLongPtrA(window, GCLP_HICONSM) != 0;
    if (!big && !small && !class_big && !class_small) puts("none");
    else printf("big %d small %d class big %d class small %d\n", big, small, class_big, class_small);
    return 0;
  }
  if (strcmp(command, "click") == 0 && argc == 4) {
    ButtonSearch search = {argv[3], NULL};
    EnumChildWindows(window, MatchButton, (LPARAM)&search);
    if (search.found == NULL) {
      fprintf(stderr, "winprobe: no button \"%s\"\n", argv[3]);
      return 1;
    }
    PostMessageA(search.found, BM_CLICK, 0, 0);
    return 0;
  }
  return Usage();
}
