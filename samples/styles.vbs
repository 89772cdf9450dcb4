' Walks the Brocade control's styling surface from a script host (cscript //nologo styles.vbs):
' every highlight style and border, the built-in icon sets, colours, the help table and
' captions. Script hosts have no form for the control to attach to, so nothing is drawn here;
' BrocadeDemo.exe shows the same settings on real menus.
Option Explicit
Dim brocade, names, i, picture, iconSet
Set brocade = CreateObject("Brocade.Brocade")
WScript.Echo "Brocade " & brocade.Version

' bdHighlight: 0 Plain ... 8 Radial, 9 XP, 10 Office 2003.
names = Array("Plain", "Horizontal Left To Right", "Horizontal Right To Left", "Horizontal Center", _
              "Vertical Top To Bottom", "Vertical Bottom To Top", "Vertical Center", "Diagonal", _
              "Radial", "XP", "Office 2003")
For i = 0 To 10
    brocade.HighlightStyle = i
    WScript.Echo "HighlightStyle " & brocade.HighlightStyle & " = " & names(i) & _
                 ", highlight colour &H" & Hex(brocade.MenuHighlight)
Next

' bdBorder: 0 Normal, 1 Flat, 2 Flat with Shadow.
brocade.MenuBorder = 2
brocade.HighlightAppearance = 4        ' bdFlatWithBorder
WScript.Echo "MenuBorder " & brocade.MenuBorder & ", HighlightAppearance " & brocade.HighlightAppearance

' Custom colours apply while UseCustomColors is True; otherwise the derived defaults do.
brocade.UseCustomColors = True
brocade.MenuBackground = RGB(255, 250, 238)
brocade.MenuHighlight = RGB(214, 96, 32)
WScript.Echo "Custom MenuBackground &H" & Hex(brocade.MenuBackground) & ", MenuHighlight &H" & Hex(brocade.MenuHighlight)
brocade.UseCustomColors = False
WScript.Echo "UseCustomColors off, MenuHighlight reads its default: &H" & Hex(brocade.MenuHighlight)
WScript.Echo "Mean of black and white: &H" & Hex(brocade.GetMeanColor(0, &HFFFFFF))

' bdMenuIconSet: 0 bdDefault, 1 bdOffice2003, 16 bdSkyline, 17 bdSunrise, 18 bdSnowflakes.
For Each iconSet In Array(0, 1, 16, 17, 18)
    Set picture = brocade.GetDefaultPictureEx2("&Open..." & vbTab & "Ctrl+O", 0, iconSet)
    If picture Is Nothing Then
        WScript.Echo "Icon set " & iconSet & ": no picture for Open"
    Else
        WScript.Echo "Icon set " & iconSet & ": Open has a picture of type " & picture.Type
    End If
Next

' Help texts are keyed by the clean caption: no "&", no ".", nothing after the tab, upper case.
WScript.Echo "Clean caption of ""Save &As..."" & tab & ""Ctrl+S"": " & brocade.GetCleanCaption("Save &As..." & vbTab & "Ctrl+S")
brocade.AddMessage "&Report...", "Writes the monthly report"
brocade.AddCompositeMessage "&Archive|Moves old documents to the archive"
brocade.RemoveMessage "ARCHIVE"
brocade.Language = 2                   ' Japanese default help texts for items without a message
WScript.Echo "Language " & brocade.Language
brocade.Language = 0

' A caption has one message: a second one raises the collection's duplicate-key error (457).
On Error Resume Next
brocade.AddMessage "REPORT", "again"
WScript.Echo "A second message for REPORT: error " & (Err.Number And &HFFFF)
Err.Clear
On Error GoTo 0
WScript.Echo "styles.vbs done"
