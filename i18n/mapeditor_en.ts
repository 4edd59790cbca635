<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Ru</name>
    <message>
        <source>Не возможно загрузить локацию &quot;%1&quot;%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>За дополнительной информацией обращайтесь к разработчику.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> так как значение %1 = &quot;%2&quot; в файле параметров локации не является целым числом.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> так как значение %1 = &quot;%2&quot; в файле параметров локации отрицательно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> так как локация Width = %1, Height = %2 слишком велика: ей нужно %3 байт памяти, а можно отвести не больше %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>больше</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> так как файл параметров локации слишком велик: %1 байт, а файл параметров не бывает длиннее %2 байт.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> так как файл параметров локации не удалось прочитать (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mapeditor</name>
    <message>
        <source>Полноэкранный режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Редактор карт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Да</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обзор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строится обзор…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
(и ещё предупреждений: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Земля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предмет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проходимость</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зона охраны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действие не выполнено: %1.<byte value="xd"/>
Локация и её несохранённые изменения остались как были.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Плохой код</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код земли %1 не помещается в клетку: коды земли бывают только от 0 до 255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>предупреждение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(вся карта)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Первые клетки: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Локация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Важность</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проблема</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка не удалась: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проблем не найдено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибок: %1, предупреждений: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (проверка прервана)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка карты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверить снова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Карта не открыта.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Откройте карту, чтобы проверить её.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Карта: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Локация не загружена: сохранять нечего.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось сохранить локацию &quot;%1&quot; (%2): %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Локация &quot;%1&quot; успешно сохранена!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить изменения в локации &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объекты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предметы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Путь закрыт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Охранная зона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вырезать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выделить всё</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Снять выделение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Слои</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Локация не загружена: вставлять некуда.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В буфере обмена нет клеток, которые можно вставить.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блок клеток %1 не помещается в локацию %2: вставить его нельзя.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В буфере обмена нет ни одного из слоёв, отмеченных в меню «Слои».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Группы объектов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кликните, чтобы вставить объект на место курсора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предпросмотр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размер:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уровень:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мир</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Карта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Локация:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Курсор:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Позиция курсора на карте по X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Позиция курсора на карте по Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Курсор X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Курсор Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размер карты:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ширина карты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Высота карты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Новая локация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть локацию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить изменения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Менеджер локаций</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Во весь экран</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры места</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Земля:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объекты:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предметы:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действие:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>путь закрыт (B [И])</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is guard zone (G [П])</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим карты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Доступность</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сетка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Координаты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Курсор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прорисовка по требованию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контуры объектов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Новая карта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть карту</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить локацию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверить карту</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Правка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размещение «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Инструменты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кисть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прямоугольник</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заливка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выделение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбранный объект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Что рисовать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вид</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Крупнее</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обычный масштаб</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перейти к клетке...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Клетка под мышью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x %1, y %2 - земля %3, объект %4, предмет %5, действие %6, %7, %8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>путь закрыт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>путь открыт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>охрана есть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>охрана нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Локация не загружена: переходить некуда.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Укажите X и Y целыми числами.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Клетки (%1, %2) в локации нет: X бывает от 0 до %3, Y от 0 до %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перейти к клетке</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перейти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: выберите в палитре, что рисовать.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: записи этой группы на карту не ставятся.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заливка: объекты заливкой не стираются; стирайте их кистью или прямоугольником.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заливка: выберите в палитре землю, которой заливать.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заливка: объекты не заливаются, только земля и отметки «Путь закрыт» и «Охранная зона».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заливка…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: локация не загружена, рисовать негде.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Плохое имя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Укажите имя новой локации и повторите попытку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>локации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нечем заполнить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Список клеток земли пуст: в каталоге %1 нет ни одной клетки, которой можно заполнить локацию. Локация не создана.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Плохая клетка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Клеткой &quot;%1&quot; с кодом %2 нельзя заполнить локацию: код клетки земли должен быть от 0 до 255. Выберите другую клетку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>К сожалению, локация с именем &quot;%1&quot; уже существует. Укажите другие имя и повторите попытку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заметки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось создать локацию &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Локация &quot;%1&quot; не создана: не удалось записать файл %2 (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Управление локациями</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Локации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заметки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Создать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Создать локацию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Название:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ширина в клетках</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ширина:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Высота в клетках</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Высота:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заполнить:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Круглая&quot; локация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Всего ячеек:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ширина (пикселей):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Высота (пикселей):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объем данных:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Менеджер карт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя карты:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ресурсы карты:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изменить ресурсы карты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Описание:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автор:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контакты:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Укажите имя новой карты и повторите попытку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>карты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Карта уже существует</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>К сожалению, карта с таким именем уже существует. Укажите другое имя, и повторите попытку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось создать карту &quot;%1&quot;: %2 (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выберите карту:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недопустимые символы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В поле &quot;%1&quot; есть символы, которых нет в кодировке файлов игры (Windows-1251): %2. Уберите их и повторите попытку. Ничего не записано.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя %1 слишком длинное: %2 символов, а можно не больше %3, чтобы имена его файлов поместились в файловой системе. Укажите более короткое имя и повторите попытку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Редактор карт: локации, земля, объекты, действия.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Язык</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> так как файл параметров локации не найден.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> так как файл карты локации не найден.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> так как файл карты локации не удалось открыть (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка чтения файла карты локации &quot;%1&quot; (%2): прочитано %3 из %4 байт.<byte value="xd"/>
Непрочитанные клетки оставлены пустыми.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл карты локации &quot;%1&quot; короче, чем нужно: ожидалось %2 байт, в файле %3 байт.<byte value="xd"/>
Недостающие клетки оставлены пустыми.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
