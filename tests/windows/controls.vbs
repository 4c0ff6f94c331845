' Every public control created by its programmatic identifier, as a Windows script uses them:
' properties of every type, menu and toolbar items, For Each, keys, and the errors a script sees.
' Windows-1252 with CRLF line ends, as cscript reads scripts.
Option Explicit
Dim failures : failures = 0

Sub Check(ok, what)
  If Not ok Then
    WScript.Echo "FAIL: " & what
    failures = failures + 1
  End If
End Sub

' Err.Number and Err.Description after a statement run under On Error Resume Next.
Sub CheckErr(number, text, what)
  Check Err.Number = number And Err.Description = text And Err.Source = "vornButton2", _
        what & ": got " & Err.Number & " """ & Err.Description & """ from " & Err.Source
  Err.Clear
End Sub

Dim name, c
For Each name In Array("vornButton", "vornProgressBar", "vornSlider", "vornPUMenu", "vornScrollBar", "vornToolbar", "vornTextBox")
  Set c = CreateObject("vornButton2." & name)
  c.BackColor = &H123456
  Check c.BackColor = &H123456 And VarType(c.BackColor) = vbLong, name & ".BackColor (OLE_COLOR)"
  c.ForeColor = &H80000012
  Check c.ForeColor = &H80000012, name & ".ForeColor keeps a system colour"
  If name <> "vornPUMenu" Then
    ' The text box alone starts disabled.
    Check c.Enabled = (name <> "vornTextBox") And VarType(c.Enabled) = vbBoolean, name & ".Enabled default"
    c.Enabled = Not c.Enabled
    Check c.Enabled = (name = "vornTextBox"), name & ".Enabled (Boolean)"
  End If
Next

' Strings (also beyond ASCII), Integer and fonts on a button; its defaults are its InitProperties'.
Dim b : Set b = CreateObject("vornButton2.vornButton")
Check b.Caption = "vornButton", "a button without a container is captioned with its class name: " & b.Caption
Check b.TabSelectColor = &H96E7& And b.ImageIndex = 0, "button defaults"
b.Caption = "Grüße, Ärger"
Check b.Caption = "Grüße, Ärger" And Len(b.Caption) = 12, "Caption (String) beyond ASCII: " & b.Caption
b.ImageIndex = 3
Check b.ImageIndex = 3 And VarType(b.ImageIndex) = vbInteger, "ImageIndex (Integer)"
b.Font.Name = "Arial"
b.Font.Size = 12
b.Font.Bold = True
Check b.Font.Name = "Arial" And b.Font.Size = 12 And VarType(b.Font.Size) = vbSingle And b.Font.Bold, "Font members"
Dim tb : Set tb = CreateObject("vornButton2.vornTextBox")
Set tb.Font = b.Font
Check tb.Font.Name = "Arial" And tb.Font.Bold, "Set Font shares the font object"
Dim std : Set std = CreateObject("StdFont")
std.Name = "Courier New" : std.Size = 10 : std.Italic = True
Set tb.Font = std
Check tb.Font.Name = std.Name And Abs(tb.Font.Size - std.Size) < 0.01 And tb.Font.Italic And Not tb.Font.Bold, _
      "Set Font takes a standard font from elsewhere"
tb.Text = "abc"
Check Dim std : Set std = CreateObject("StdFont")
std.Name = "Courier New" : std.Size = 10 : std.Italic = True
Set tb.Font = std
Check tb.Font.Name = std.Name And Abs(tb.Font.Size - std.Size) < 0.01 And tb.Font.Italic And Not tb.Font.Bold, _
      "Set Font takes a standard font from elsewhere"
tb.Text = "abc", "Text (Variant)"
tb.SelStart = 2
Check tb.SelStart = 2 And VarType(tb.SelStart) = vbInteger, "SelStart (Integer)"

' Long and enumerations.
Dim s : Set s = CreateObject("vornButton2.vornSlider")
Check s.Min = 0 And s.Max = 10 And s.Value = 5 And s.TickStyle = 0, "slider defaults"
s.Max = 200000
s.Value = 150000
Check s.Value = 150000 And VarType(s.Value) = vbLong, "Value (Long)"
s.Orientation = 2
s.TickStyle = 4
Check s.Orientation = 2 And s.TickStyle = 4, "Orientation and TickStyle (enumerations)"
Dim pb : Set pb = CreateObject("vornButton2.vornProgressBar")
pb.Value = 42
pb.Style = 1
Check pb.Value = 42 And pb.Style = 1 And pb.Caption = "%", "progress bar Value, Style, Caption"

' Menu items: Add with optional arguments, For Each in order, keys without regard to case.
Dim m : Set m = CreateObject("vornButton2.vornPUMenu")
Dim item : Set item = m.MenuItem.Add("open", "Open")
Check item.Enabled And item.ItemType = 1 And item.Caption = "Open", "MenuItems.Add defaults"
m.MenuItem.Add "save", "Save", 2, False, "", "files", 2, True, True
Check m.MenuItem.Count = 2, "two menu items"
Dim keys : keys = ""
For Each item In m.MenuItem
  keys = keys & item.Key & ";"
Next
Check keys = "open;save;", "For Each over MenuItems: " & keys
Check m.MenuItem("OPEN").Caption = "Open" And m.MenuItem("Save").Group = "files", "keys ignore letter case"
Check m.MenuItem(2).Checked And Not m.MenuItem(2).Enabled And m.MenuItem.Item(1).Key = "open", "items by position"
m.MenuItem.Remove "open"
Check m.MenuItem.Count = 1 And m.MenuItem(1).Key = "save", "Remove by key"
Check m.MenuVisible = False, "MenuVisible (field)"

' Toolbar items and their menus.
Dim t : Set t = CreateObject("vornButton2.vornToolbar")
t.Add "new", "New"
t.Add "more", "More", 0, 3
Check t.Count = 2 And t.Item("NEW").Caption = "New" And t.Item(2).Style = 3, "toolbar items by key and position"
Check t.Item(1).Style = 1 And t.Item(1).Enabled, "vornToolbar.Add defaults"
t.Item("more").ToolbarMenuItems.Add "a", "Alpha"
Check t.Item("more").ToolbarMenuItems.Count = 1, "a toolbar item's own menu items"

' The errors a script reads.
On Error Resume Next
m.MenuItem.Add "SAVE"
CheckErr 457, "This key is already associated with an element of this collection", "duplicate key"
Set item = m.MenuItem(9)
CheckErr 9, "Subscript out of range", "bad index"
Set item = m.MenuItem("nope")
CheckErr 5, "Invalid procedure call or argument", "unknown key"
s.Value = "abc"
CheckErr 13, "Type mismatch", "type mismatch"
b.ImageIndex = 40000
CheckErr 6, "Overflow", "overflow"
Check b.ImageIndex = 3 And s.Value = 150000, "failed lets change nothing"
For Each item In t
Next
Check Err.Number <> 0, "For Each over the toolbar finds no enumerator"
Err.Clear
On Error GoTo 0

If failures = 0 Then WScript.Echo "controls.vbs: all checks passed"
WScript.Quit failures
