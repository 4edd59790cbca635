<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>mapeditor</name>
    <message>
        <source>Полноэкранный режим</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Редактор карт</source>
        <translation>Map Editor</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Обзор</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Строится обзор…</source>
        <translation>Building the overview…</translation>
    </message>
    <message>
        <source>
(и ещё предупреждений: %1)</source>
        <translation>
(and %1 more warnings)</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Действие</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Земля</source>
        <translation>Ground</translation>
    </message>
    <message>
        <source>Объект</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Предмет</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Проходимость</source>
        <translation>Passability</translation>
    </message>
    <message>
        <source>Зона охраны</source>
        <translation>Guard zone</translation>
    </message>
    <message>
        <source>Действие не выполнено: %1.<byte value="xd"/>
Локация и её несохранённые изменения остались как были.</source>
        <translation>The command was not carried out: %1.<byte value="xd"/>
The location and its unsaved changes are as they were.</translation>
    </message>
    <message>
        <source>Плохой код</source>
        <translation>Bad code</translation>
    </message>
    <message>
        <source>Код земли %1 не помещается в клетку: коды земли бывают только от 0 до 255.</source>
        <translation>The ground code %1 does not fit in a cell: ground codes range from 0 to 255 only.</translation>
    </message>
    <message>
        <source>ошибка</source>
        <translation>error</translation>
    </message>
    <message>
        <source>предупреждение</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>(вся карта)</source>
        <translation>(whole map)</translation>
    </message>
    <message>
        <source>Первые клетки: %1</source>
        <translation>First cells: %1</translation>
    </message>
    <message>
        <source>Локация</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Важность</source>
        <translation>Severity</translation>
    </message>
    <message>
        <source>Проблема</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Проверка не удалась: %1</source>
        <translation>The check failed: %1</translation>
    </message>
    <message>
        <source>Проблем не найдено</source>
        <translation>No problems found</translation>
    </message>
    <message>
        <source>Ошибок: %1, предупреждений: %2</source>
        <translation>Errors: %1, warnings: %2</translation>
    </message>
    <message>
        <source> (проверка прервана)</source>
        <translation> (check interrupted)</translation>
    </message>
    <message>
        <source>Проверка карты</source>
        <translation>Map Check</translation>
    </message>
    <message>
        <source>Проверить снова</source>
        <translation>Check Again</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Карта не открыта.</source>
        <translation>No map is open.</translation>
    </message>
    <message>
        <source>Откройте карту, чтобы проверить её.</source>
        <translation>Open a map to check it.</translation>
    </message>
    <message>
        <source>Карта: %1</source>
        <translation>Map: %1</translation>
    </message>
    <message>
        <source>Проверка…</source>
        <translation>Checking…</translation>
    </message>
    <message>
        <source>Локация не загружена: сохранять нечего.</source>
        <translation>No location is loaded: there is nothing to save.</translation>
    </message>
    <message>
        <source>Не удалось сохранить локацию &quot;%1&quot; (%2): %3.</source>
        <translation>Could not save the location &quot;%1&quot; (%2): %3.</translation>
    </message>
    <message>
        <source>Локация &quot;%1&quot; успешно сохранена!</source>
        <translation>The location &quot;%1&quot; has been saved.</translation>
    </message>
    <message>
        <source>Сохранить изменения в локации &quot;%1&quot;?</source>
        <translation>Save the changes to the location &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Объекты</source>
        <translation>Objects</translation>
    </message>
    <message>
        <source>Предметы</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Действия</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Путь закрыт</source>
        <translation>Blocked</translation>
    </message>
    <message>
        <source>Охранная зона</source>
        <translation>Guard zone</translation>
    </message>
    <message>
        <source>Вырезать</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Выделить всё</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Снять выделение</source>
        <translation>Select None</translation>
    </message>
    <message>
        <source>Слои</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>Локация не загружена: вставлять некуда.</source>
        <translation>No location is loaded: there is nowhere to paste.</translation>
    </message>
    <message>
        <source>В буфере обмена нет клеток, которые можно вставить.</source>
        <translation>The clipboard holds no cells that can be pasted.</translation>
    </message>
    <message>
        <source>Блок клеток %1 не помещается в локацию %2: вставить его нельзя.</source>
        <translation>The block of %1 cells does not fit in the %2 location: it cannot be pasted.</translation>
    </message>
    <message>
        <source>В буфере обмена нет ни одного из слоёв, отмеченных в меню «Слои».</source>
        <translation>The clipboard holds none of the layers ticked in the menu &quot;Layers&quot;.</translation>
    </message>
    <message>
        <source>Группы объектов</source>
        <translation>Object groups</translation>
    </message>
    <message>
        <source>Кликните, чтобы вставить объект на место курсора</source>
        <translation>Click to place the object at the cursor</translation>
    </message>
    <message>
        <source>Предпросмотр</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Размер:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Уровень:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Код:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Мир</source>
        <translation>World</translation>
    </message>
    <message>
        <source>Карта</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Локация:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Курсор:</source>
        <translation>Cursor:</translation>
    </message>
    <message>
        <source>Позиция курсора на карте по X</source>
        <translation>Cursor position on the map, X</translation>
    </message>
    <message>
        <source>Позиция курсора на карте по Y</source>
        <translation>Cursor position on the map, Y</translation>
    </message>
    <message>
        <source>Курсор X</source>
        <translation>Cursor X</translation>
    </message>
    <message>
        <source>Курсор Y</source>
        <translation>Cursor Y</translation>
    </message>
    <message>
        <source>Размер карты:</source>
        <translation>Map size:</translation>
    </message>
    <message>
        <source>Ширина карты</source>
        <translation>Map width</translation>
    </message>
    <message>
        <source>Высота карты</source>
        <translation>Map height</translation>
    </message>
    <message>
        <source>Новая локация</source>
        <translation>New Location</translation>
    </message>
    <message>
        <source>Открыть локацию</source>
        <translation>Open Location</translation>
    </message>
    <message>
        <source>Сохранить изменения</source>
        <translation>Save Changes</translation>
    </message>
    <message>
        <source>Менеджер локаций</source>
        <translation>Location Manager</translation>
    </message>
    <message>
        <source>Во весь экран</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>Параметры места</source>
        <translation>Cell properties</translation>
    </message>
    <message>
        <source>Земля:</source>
        <translation>Ground:</translation>
    </message>
    <message>
        <source>Объекты:</source>
        <translation>Objects:</translation>
    </message>
    <message>
        <source>Предметы:</source>
        <translation>Items:</translation>
    </message>
    <message>
        <source>Действие:</source>
        <translation>Action:</translation>
    </message>
    <message>
        <source>путь закрыт (B [И])</source>
        <translation>blocked (B)</translation>
    </message>
    <message>
        <source>is guard zone (G [П])</source>
        <translation>guard zone (G)</translation>
    </message>
    <message>
        <source>Режим карты</source>
        <translation>Map view</translation>
    </message>
    <message>
        <source>Доступность</source>
        <translation>Passability</translation>
    </message>
    <message>
        <source>Сетка</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Координаты</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>Курсор</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Прорисовка по требованию</source>
        <translation>Draw on demand</translation>
    </message>
    <message>
        <source>Контуры объектов</source>
        <translation>Object outlines</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Новая карта</source>
        <translation>New Map</translation>
    </message>
    <message>
        <source>Открыть карту</source>
        <translation>Open Map</translation>
    </message>
    <message>
        <source>Сохранить локацию</source>
        <translation>Save Location</translation>
    </message>
    <message>
        <source>Проверить карту</source>
        <translation>Check Map</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Правка</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Размещение «%1»</source>
        <translation>Place &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Инструменты</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Кисть</source>
        <translation>Brush</translation>
    </message>
    <message>
        <source>Прямоугольник</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Заливка</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Выделение</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Выбранный объект</source>
        <translation>Selected entry</translation>
    </message>
    <message>
        <source>Что рисовать</source>
        <translation>What to paint</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Крупнее</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Обычный масштаб</source>
        <translation>Normal Size</translation>
    </message>
    <message>
        <source>Перейти к клетке...</source>
        <translation>Go to Cell...</translation>
    </message>
    <message>
        <source>Клетка под мышью</source>
        <translation>Cell under the mouse</translation>
    </message>
    <message>
        <source>x %1, y %2 - земля %3, объект %4, предмет %5, действие %6, %7, %8</source>
        <translation>x %1, y %2 - ground %3, object %4, item %5, action %6, %7, %8</translation>
    </message>
    <message>
        <source>путь закрыт</source>
        <translation>blocked</translation>
    </message>
    <message>
        <source>путь открыт</source>
        <translation>open</translation>
    </message>
    <message>
        <source>охрана есть</source>
        <translation>guarded</translation>
    </message>
    <message>
        <source>охрана нет</source>
        <translation>not guarded</translation>
    </message>
    <message>
        <source>Локация не загружена: переходить некуда.</source>
        <translation>No location is loaded: there is nowhere to go.</translation>
    </message>
    <message>
        <source>Укажите X и Y целыми числами.</source>
        <translation>Enter X and Y as whole numbers.</translation>
    </message>
    <message>
        <source>Клетки (%1, %2) в локации нет: X бывает от 0 до %3, Y от 0 до %4.</source>
        <translation>The location has no cell (%1, %2): X ranges from 0 to %3, Y from 0 to %4.</translation>
    </message>
    <message>
        <source>Перейти к клетке</source>
        <translation>Go to Cell</translation>
    </message>
    <message>
        <source>Перейти</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>%1: выберите в палитре, что рисовать.</source>
        <translation>%1: choose what to paint in the palette.</translation>
    </message>
    <message>
        <source>%1: записи этой группы на карту не ставятся.</source>
        <translation>%1: entries of this group are not placed on the map.</translation>
    </message>
    <message>
        <source>Заливка: объекты заливкой не стираются; стирайте их кистью или прямоугольником.</source>
        <translation>Fill: objects are not erased by filling; erase them with the brush or the rectangle.</translation>
    </message>
    <message>
        <source>Заливка: выберите в палитре землю, которой заливать.</source>
        <translation>Fill: choose the ground to fill with in the palette.</translation>
    </message>
    <message>
        <source>Заливка: объекты не заливаются, только земля и отметки «Путь закрыт» и «Охранная зона».</source>
        <translation>Fill: objects are not filled, only ground and the marks &quot;Blocked&quot; and &quot;Guard zone&quot;.</translation>
    </message>
    <message>
        <source>Заливка…</source>
        <translation>Filling…</translation>
    </message>
    <message>
        <source>%1: локация не загружена, рисовать негде.</source>
        <translation>%1: no location is loaded, there is nowhere to paint.</translation>
    </message>
    <message>
        <source>Плохое имя</source>
        <translation>Bad name</translation>
    </message>
    <message>
        <source>Укажите имя новой локации и повторите попытку.</source>
        <translation>Enter a name for the new location and try again.</translation>
    </message>
    <message>
        <source>локации</source>
        <translation>location</translation>
    </message>
    <message>
        <source>Нечем заполнить</source>
        <translation>Nothing to fill with</translation>
    </message>
    <message>
        <source>Список клеток земли пуст: в каталоге %1 нет ни одной клетки, которой можно заполнить локацию. Локация не создана.</source>
        <translation>The list of ground cells is empty: the catalogue %1 has no cell to fill the location with. The location was not created.</translation>
    </message>
    <message>
        <source>Плохая клетка</source>
        <translation>Bad cell</translation>
    </message>
    <message>
        <source>Клеткой &quot;%1&quot; с кодом %2 нельзя заполнить локацию: код клетки земли должен быть от 0 до 255. Выберите другую клетку.</source>
        <translation>The location cannot be filled with the cell &quot;%1&quot; of code %2: a ground cell&apos;s code must be from 0 to 255. Choose another cell.</translation>
    </message>
    <message>
        <source>К сожалению, локация с именем &quot;%1&quot; уже существует. Укажите другие имя и повторите попытку.</source>
        <translation>Sorry, a location named &quot;%1&quot; already exists. Enter another name and try again.</translation>
    </message>
    <message>
        <source>Заметки:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Не удалось создать локацию &quot;%1&quot;: %2</source>
        <translation>Could not create the location &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Локация &quot;%1&quot; не создана: не удалось записать файл %2 (%3).</source>
        <translation>The location &quot;%1&quot; was not created: could not write the file %2 (%3).</translation>
    </message>
    <message>
        <source>Управление локациями</source>
        <translation>Manage locations</translation>
    </message>
    <message>
        <source>Локации</source>
        <translation>Locations</translation>
    </message>
    <message>
        <source>Заметки</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Создать локацию</source>
        <translation>Create a location</translation>
    </message>
    <message>
        <source>Название:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Ширина в клетках</source>
        <translation>Width in cells</translation>
    </message>
    <message>
        <source>Ширина:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Высота в клетках</source>
        <translation>Height in cells</translation>
    </message>
    <message>
        <source>Высота:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Заполнить:</source>
        <translation>Fill with:</translation>
    </message>
    <message>
        <source>&quot;Круглая&quot; локация</source>
        <translation>&quot;Round&quot; location</translation>
    </message>
    <message>
        <source>Всего ячеек:</source>
        <translation>Total cells:</translation>
    </message>
    <message>
        <source>Ширина (пикселей):</source>
        <translation>Width (pixels):</translation>
    </message>
    <message>
        <source>Высота (пикселей):</source>
        <translation>Height (pixels):</translation>
    </message>
    <message>
        <source>Объем данных:</source>
        <translation>Data size:</translation>
    </message>
    <message>
        <source>Менеджер карт</source>
        <translation>Map Manager</translation>
    </message>
    <message>
        <source>Имя карты:</source>
        <translation>Map name:</translation>
    </message>
    <message>
        <source>Ресурсы карты:</source>
        <translation>Resources:</translation>
    </message>
    <message>
        <source>Изменить ресурсы карты</source>
        <translation>Change the map&apos;s resources</translation>
    </message>
    <message>
        <source>Описание:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Автор:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>Контакты:</source>
        <translation>Contacts:</translation>
    </message>
    <message>
        <source>Укажите имя новой карты и повторите попытку.</source>
        <translation>Enter a name for the new map and try again.</translation>
    </message>
    <message>
        <source>карты</source>
        <translation>map</translation>
    </message>
    <message>
        <source>Карта уже существует</source>
        <translation>The map exists</translation>
    </message>
    <message>
        <source>К сожалению, карта с таким именем уже существует. Укажите другое имя, и повторите попытку.</source>
        <translation>Sorry, a map with this name already exists. Enter another name and try again.</translation>
    </message>
    <message>
        <source>Не удалось создать карту &quot;%1&quot;: %2 (%3).</source>
        <translation>Could not create the map &quot;%1&quot;: %2 (%3).</translation>
    </message>
    <message>
        <source>Выберите карту:</source>
        <translation>Choose a map:</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Недопустимые символы</source>
        <translation>Characters not allowed</translation>
    </message>
    <message>
        <source>В поле &quot;%1&quot; есть символы, которых нет в кодировке файлов игры (Windows-1251): %2. Уберите их и повторите попытку. Ничего не записано.</source>
        <translation>The field &quot;%1&quot; holds characters that the encoding of the game&apos;s files (Windows-1251) lacks: %2. Remove them and try again. Nothing was written.</translation>
    </message>
    <message>
        <source>Имя %1 слишком длинное: %2 символов, а можно не больше %3, чтобы имена его файлов поместились в файловой системе. Укажите более короткое имя и повторите попытку.</source>
        <translation>The %1 name is too long: %2 characters, and at most %3 are allowed so that the names of its files fit the file system. Enter a shorter name and try again.</translation>
    </message>
    <message>
        <source>Редактор карт: локации, земля, объекты, действия.</source>
        <translation>Map editor: locations, ground, objects, actions.</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source> так как файл параметров локации не найден.</source>
        <translation> because the location&apos;s parameter file was not found.</translation>
    </message>
    <message>
        <source> так как файл карты локации не найден.</source>
        <translation> because the location&apos;s map file was not found.</translation>
    </message>
    <message>
        <source> так как файл карты локации не удалось открыть (%1).</source>
        <translation> because the location&apos;s map file could not be opened (%1).</translation>
    </message>
    <message>
        <source>Ошибка чтения файла карты локации &quot;%1&quot; (%2): прочитано %3 из %4 байт.<byte value="xd"/>
Непрочитанные клетки оставлены пустыми.</source>
        <translation>Error reading the map file of the location &quot;%1&quot; (%2): %3 of %4 bytes read.<byte value="xd"/>
The cells not read are left empty.</translation>
    </message>
    <message>
        <source>Файл карты локации &quot;%1&quot; короче, чем нужно: ожидалось %2 байт, в файле %3 байт.<byte value="xd"/>
Недостающие клетки оставлены пустыми.</source>
        <translation>The map file of the location &quot;%1&quot; is shorter than it should be: %2 bytes expected, the file has %3 bytes.<byte value="xd"/>
The missing cells are left empty.</translation>
    </message>
    <message>
        <source>Не возможно загрузить локацию &quot;%1&quot;%2</source>
        <translation>Cannot load the location &quot;%1&quot;%2</translation>
    </message>
    <message>
        <source>За дополнительной информацией обращайтесь к разработчику.</source>
        <translation>For more information, contact the developer.</translation>
    </message>
    <message>
        <source> так как значение %1 = &quot;%2&quot; в файле параметров локации не является целым числом.</source>
        <translation> because the value %1 = &quot;%2&quot; in the location&apos;s parameter file is not a whole number.</translation>
    </message>
    <message>
        <source> так как значение %1 = &quot;%2&quot; в файле параметров локации отрицательно.</source>
        <translation> because the value %1 = &quot;%2&quot; in the location&apos;s parameter file is negative.</translation>
    </message>
    <message>
        <source> так как локация Width = %1, Height = %2 слишком велика: ей нужно %3 байт памяти, а можно отвести не больше %4.</source>
        <translation> because the location Width = %1, Height = %2 is too large: it needs %3 bytes of memory, and at most %4 can be given.</translation>
    </message>
    <message>
        <source>больше</source>
        <translation>more</translation>
    </message>
    <message>
        <source> так как файл параметров локации слишком велик: %1 байт, а файл параметров не бывает длиннее %2 байт.</source>
        <translation> because the location&apos;s parameter file is too large: %1 bytes, and a parameter file is at most %2 bytes.</translation>
    </message>
    <message>
        <source> так как файл параметров локации не удалось прочитать (%1).</source>
        <translation> because the location&apos;s parameter file could not be read (%1).</translation>
    </message>
    <message>
        <source>Папка приложения: %1</source>
        <translation>Application folder: %1</translation>
    </message>
    <message>
        <source>Шаг %1: %2</source>
        <translation>Step %1: %2</translation>
    </message>
    <message>
        <source>Текст:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>При положительном ответе выполнить:</source>
        <translation>If the answer is yes, run:</translation>
    </message>
    <message>
        <source>При отрицательном ответе выполнить:</source>
        <translation>If the answer is no, run:</translation>
    </message>
    <message>
        <source>Шаг действия</source>
        <translation>Action step</translation>
    </message>
    <message>
        <source>%1 (%2) нельзя %3: параметры этого типа пока не могут быть записаны. Шаги такого типа, которые уже есть в файле действия, сохраняются на своих местах без изменений.</source>
        <translation>%1 (%2) cannot be %3: the parameters of this type cannot be written yet. Steps of this type that the action file already has are kept in their places unchanged.</translation>
    </message>
    <message>
        <source>Укажите имя действия в поле &quot;Имя:&quot;.</source>
        <translation>Enter the action&apos;s name in the field &quot;Name:&quot;.</translation>
    </message>
    <message>
        <source>Имя действия %1 может состоять только из латинских букв, цифр и знаков &quot;-&quot;, &quot;_&quot;, &quot;[&quot;, &quot;]&quot;.</source>
        <translation>The action name %1 may consist only of Latin letters, digits and the characters &quot;-&quot;, &quot;_&quot;, &quot;[&quot;, &quot;]&quot;.</translation>
    </message>
    <message>
        <source>Имя действия слишком длинное: %1 символов, а можно не больше %2.</source>
        <translation>The action name is too long: %1 characters, and at most %2 are allowed.</translation>
    </message>
    <message>
        <source>В локации уже %1 действий: больше клетки не различают.</source>
        <translation>The location already has %1 actions: the cells cannot tell more apart.</translation>
    </message>
    <message>
        <source>Действие %1 уже есть в списке действий локации. Укажите другое имя.</source>
        <translation>The action %1 is already in the location&apos;s list of actions. Enter another name.</translation>
    </message>
    <message>
        <source>В папке карты уже есть файл %1. Укажите другое имя.</source>
        <translation>The map folder already has a file %1. Enter another name.</translation>
    </message>
    <message>
        <source>записать</source>
        <translation>written</translation>
    </message>
    <message>
        <source>У действия нет ни одного шага.</source>
        <translation>The action has no steps.</translation>
    </message>
    <message>
        <source>У действия слишком много шагов: можно не больше %1.</source>
        <translation>The action has too many steps: at most %1 are allowed.</translation>
    </message>
    <message>
        <source>%1: текст длиннее %2 символов.</source>
        <translation>%1: the text is longer than %2 characters.</translation>
    </message>
    <message>
        <source>%1: действие при ответе длиннее %2 символов.</source>
        <translation>%1: the action to run on an answer is longer than %2 characters.</translation>
    </message>
    <message>
        <source>%1: действие при ответе должно быть одной строкой.</source>
        <translation>%1: the action to run on an answer must be a single line.</translation>
    </message>
    <message>
        <source>%1: не удалось записать файл %2 (%3).</source>
        <translation>%1: could not write the file %2 (%3).</translation>
    </message>
    <message>
        <source>Менеджер действий</source>
        <translation>Action Manager</translation>
    </message>
    <message>
        <source>Вставить</source>
        <comment>action into cell</comment>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Нажмите, вставить это действие в текущую клетку на карте</source>
        <translation>Click to insert this action into the current cell of the map</translation>
    </message>
    <message>
        <source>Действие в указанную точку добавлено!</source>
        <translation>The action has been added to the cell.</translation>
    </message>
    <message>
        <source>создать</source>
        <translation>created</translation>
    </message>
    <message>
        <source>Создание действия</source>
        <translation>Create action</translation>
    </message>
    <message>
        <source>Локация не выбрана: новому действию негде быть.</source>
        <translation>No location is chosen: the new action has nowhere to be.</translation>
    </message>
    <message>
        <source>Действие %1 не создано</source>
        <translation>The action %1 was not created</translation>
    </message>
    <message>
        <source>Действие %1 создано.</source>
        <translation>The action %1 has been created.</translation>
    </message>
    <message>
        <source>Сохранение действия</source>
        <translation>Save action</translation>
    </message>
    <message>
        <source>Выберите действие в списке. Новое действие создаёт кнопка &quot;Создать&quot;.</source>
        <translation>Choose an action in the list. The button &quot;Create&quot; makes a new action.</translation>
    </message>
    <message>
        <source>Действие %1 не сохранено</source>
        <translation>The action %1 was not saved</translation>
    </message>
    <message>
        <source>Действие %1 сохранено.%2</source>
        <translation>The action %1 has been saved.%2</translation>
    </message>
    <message>
        <source>Удаление действия</source>
        <translation>Delete action</translation>
    </message>
    <message>
        <source>Локация не загружена: клетки, которые ссылаются на действие, нельзя очистить. Ничего не удалено.</source>
        <translation>No location is loaded: the cells that refer to the action cannot be cleared. Nothing was deleted.</translation>
    </message>
    <message>
        <source>Удалить действие %1? Клетки, которые на него ссылаются (%2), будут очищены, номера следующих действий уменьшатся, и локация будет сохранена.</source>
        <translation>Delete the action %1? The cells that refer to it (%2) will be cleared, the numbers of the following actions will go down by one, and the location will be saved.</translation>
    </message>
    <message>
        <source>Действие %1 не удалено</source>
        <translation>The action %1 was not deleted</translation>
    </message>
    <message>
        <source>Действие %1 удалено, локация сохранена.%2</source>
        <translation>The action %1 has been deleted and the location saved.%2</translation>
    </message>
    <message>
        <source>Список действий</source>
        <translation>Action list</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Имя:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Шаги</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Добавить шаг</source>
        <translation>Add step</translation>
    </message>
    <message>
        <source>Удалить шаг</source>
        <translation>Remove step</translation>
    </message>
    <message>
        <source>Выше</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Ниже</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Тип рамки:</source>
        <translation>Frame type:</translation>
    </message>
    <message>
        <source>Координаты (x-y):</source>
        <translation>Coordinates (x-y):</translation>
    </message>
    <message>
        <source>Координата X</source>
        <translation>X coordinate</translation>
    </message>
    <message>
        <source>Координата Y</source>
        <translation>Y coordinate</translation>
    </message>
    <message>
        <source>убить героя</source>
        <translation>kill the hero</translation>
    </message>
    <message>
        <source>сдвинуть</source>
        <translation>moved</translation>
    </message>
    <message>
        <source>изменить</source>
        <translation>changed</translation>
    </message>
    <message>
        <source>Показать текст</source>
        <translation>Show text</translation>
    </message>
    <message>
        <source>Задать вопрос</source>
        <translation>Ask a question</translation>
    </message>
    <message>
        <source>Изменить статус героя</source>
        <translation>Change the hero&apos;s status</translation>
    </message>
    <message>
        <source>Дать герою</source>
        <translation>Give to the hero</translation>
    </message>
    <message>
        <source>Забрать у героя</source>
        <translation>Take from the hero</translation>
    </message>
    <message>
        <source>Телепортировать героя</source>
        <translation>Teleport the hero</translation>
    </message>
    <message>
        <source>Убить героя</source>
        <translation>Kill the hero</translation>
    </message>
    <message>
        <source>Играть FX</source>
        <translation>Play FX</translation>
    </message>
    <message>
        <source>Играть мелодию</source>
        <translation>Play music</translation>
    </message>
    <message>
        <source>Заставка</source>
        <translation>Cutscene</translation>
    </message>
    <message>
        <source>Герой - это юнит, <byte value="xd"/>
которым играет геймер. На компьютеров это не <byte value="xd"/>
действует.</source>
        <translation>The hero is the unit the player plays. It has no effect on the computer&apos;s units.</translation>
    </message>
    <message>
        <source>Просто показать текст игроку.</source>
        <translation>Simply show a text to the player.</translation>
    </message>
    <message>
        <source>Задать игроку вопрос и выполнить любое другое действие, в зависимости от ответа игрока.</source>
        <translation>Ask the player a question and run any other action, depending on the player&apos;s answer.</translation>
    </message>
    <message>
        <source>ХЗ что это.</source>
        <translation>What this does is not known.</translation>
    </message>
    <message>
        <source>Дать герою можно все, от новых трусов, до кармы.</source>
        <translation>The hero can be given anything, from new underpants to karma.</translation>
    </message>
    <message>
        <source>У героя можно забрать все, от трусов, до кармы <byte value="xd"/>
;)</source>
        <translation>Anything can be taken from the hero, from underpants to karma ;)</translation>
    </message>
    <message>
        <source>Переместить героя на другую локацию, либо в <byte value="xd"/>
указанное место по координатам X-Y, либо и то <byte value="xd"/>
и другое :) Если координаты меньше нуля, то телепортация по координатам производиться не будет и герой будет перемещен в нулевые координаты указанной локации.</source>
        <translation>Move the hero to another location, or to the place at the coordinates X-Y, or both :) If the coordinates are below zero, the hero is not moved to them but to the zero coordinates of the chosen location.</translation>
    </message>
    <message>
        <source>Полностью убить героя. Герой - это юнит, которым играет геймер. На компьютеров это не действует.</source>
        <translation>Kill the hero outright. The hero is the unit the player plays. It has no effect on the computer&apos;s units.</translation>
    </message>
    <message>
        <source>Файл .wav, находящийся в папке fx в папке <byte value="xd"/>
ресурсов (по умолчанию Resources)</source>
        <translation>A .wav file in the folder fx of the resource folder (Resources by default)</translation>
    </message>
    <message>
        <source>Файл .midi или .mid, находящийся в папке music в папке <byte value="xd"/>
ресурсов (по умолчанию Resources)</source>
        <translation>A .midi or .mid file in the folder music of the resource folder (Resources by default)</translation>
    </message>
    <message>
        <source>Файл .avi, находящийся в папке episode в папке ресурсов (по умолчанию Resources)</source>
        <translation>An .avi file in the folder episode of the resource folder (Resources by default)</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Шаг %1</source>
        <translation>Step %1</translation>
    </message>
    <message>
        <source>%1 Ничего не записано.</source>
        <translation>%1 Nothing was written.</translation>
    </message>
    <message>
        <source> Файл %1 оставлен: его называет список действий локации карты.</source>
        <translation> The file %1 was kept: the action list of a location of the map names it.</translation>
    </message>
    <message>
        <source> Файл %1 удалить не удалось (%2).</source>
        <translation> The file %1 could not be deleted (%2).</translation>
    </message>
</context>
</TS>
